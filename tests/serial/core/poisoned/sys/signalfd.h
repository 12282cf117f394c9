#error "The portable POSIX backend must not use <sys/signalfd.h>"
