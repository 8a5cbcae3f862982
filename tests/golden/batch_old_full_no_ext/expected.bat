rm -f /backup/bigger
rm -f /backup/newer
rm -f /backup/same
rm -f /backup/gone/deleted
rm -f /backup/sub/README
