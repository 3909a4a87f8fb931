#include <stdio.h>

#include "cphost/host.h"

int main(int argc, char **argv)
{
    return cphost::cphostMain(argc, argv, stderr);
}
