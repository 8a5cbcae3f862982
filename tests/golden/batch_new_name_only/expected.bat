bigger.dat
crc.bin
newer.txt
same.txt
inserted.c
README
