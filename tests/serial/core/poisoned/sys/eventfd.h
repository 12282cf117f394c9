#error "The portable POSIX backend must not use <sys/eventfd.h>"
