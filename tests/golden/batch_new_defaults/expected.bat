cp bigger.dat /backup/
cp crc.bin /backup/
cp newer.txt /backup/
cp same.txt /backup/
cp sub/inserted.c /backup/
cp sub/README /backup/
