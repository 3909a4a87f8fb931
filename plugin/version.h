/*
 * version.h -- the plug-in's version, in one place: GVI answers these items
 * and the VERSIONINFO resource of TORVEX2.dll (resources/torvex2.rc) shows
 * them in the file's properties. Only #defines: the resource compiler reads
 * this file too, and cmake/packaging.cmake takes the version text from it
 * for the package names.
 */
#ifndef TORVEX_VERSION_H
#define TORVEX_VERSION_H

/* GVI item 1 is MAJOR in the high and MINOR in the low 16 bits; the file
   version is MAJOR.MINOR.0.0. */
#define TORVEX_VERSION_MAJOR 1
#define TORVEX_VERSION_MINOR 0
/* GVI item 2, and the version text of the file properties. */
#define TORVEX_VERSION_TEXT "A.01.00"
/* GVI item 3. */
#define TORVEX_VERSION_DATE 20000725
/* GVI item 4. */
#define TORVEX_LIBRARY_NAME "Sample CP-DLL Library"
/* GVI item 5, and the file description of the file properties. */
#define TORVEX_NOTICE "TORVEX2 service plug-in: maintenance panels, lens calibration and parameter memory backup"

#define TORVEX_PRODUCT_NAME "TORVEX2"
#define TORVEX_FILE_NAME "TORVEX2.dll"

#endif
