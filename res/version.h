#pragma once
// The program's version, kept here alone. Read by the code, by the resource
// scripts and by scripts/package.sh (which takes the three numbers from the
// #define lines below), so it holds nothing but preprocessor lines.

#define TARVIX_VERSION_MAJOR 2
#define TARVIX_VERSION_MINOR 11
#define TARVIX_VERSION_PATCH 0

#define TARVIX_VERSION_STR2(x) #x
#define TARVIX_VERSION_STR(x) TARVIX_VERSION_STR2(x)

// "2.11"; a patch release adds its number: "2.11.1".
#if TARVIX_VERSION_PATCH
#define TARVIX_VERSION_STRING \
    TARVIX_VERSION_STR(TARVIX_VERSION_MAJOR.TARVIX_VERSION_MINOR.TARVIX_VERSION_PATCH)
#define TARVIX_VERSION_TEXT \
    TARVIX_VERSION_STR(Tarvix Version TARVIX_VERSION_MAJOR.TARVIX_VERSION_MINOR.TARVIX_VERSION_PATCH)
#else
#define TARVIX_VERSION_STRING TARVIX_VERSION_STR(TARVIX_VERSION_MAJOR.TARVIX_VERSION_MINOR)
#define TARVIX_VERSION_TEXT \
    TARVIX_VERSION_STR(Tarvix Version TARVIX_VERSION_MAJOR.TARVIX_VERSION_MINOR)
#endif
