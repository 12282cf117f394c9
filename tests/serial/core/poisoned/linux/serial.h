#error "The portable POSIX backend must not use <linux/serial.h>"
