/* romtool: checks, compares and shows instrument memory backups. */
#include "romtool/romtool.h"

int main(int argc, char **argv)
{
    return RomtoolMain(argc, argv, stdout, stderr);
}
