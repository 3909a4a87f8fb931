/*
 * romtool.h -- the backup checker's command line, callable in-process.
 *
 *   romtool check [--all] FILE      would a restore send exactly the backed-up blocks?
 *   romtool diff FILE_A FILE_B      blocks only in one file, blocks whose data differ
 *   romtool show FILE [ADDRESS]     the blocks as an address / hex / ASCII table
 *
 * Results go to `out`, problems and errors to `err` (one line each, naming
 * the file and the line). Answers the exit status: 0 good or equal, 1 a
 * problem or a difference, 2 a usage error or a file that cannot be read.
 * Portable: the C library only.
 */
#ifndef TORVEX_ROMTOOL_H
#define TORVEX_ROMTOOL_H

#include <stdio.h>

int RomtoolMain(int argc, char **argv, FILE *out, FILE *err);

#endif
