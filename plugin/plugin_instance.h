/* plugin_instance.h -- the block behind a plug-in handle. */
#ifndef TORVEX_PLUGIN_INSTANCE_H
#define TORVEX_PLUGIN_INSTANCE_H

#include <stdint.h>

#include "host_abi.h"

struct PluginInstance {
    HostWord hostContext;   /* first argument of every callback call */
    HostWord hostCallback;  /* HostCallback */
    HostWord reserved;      /* 0 at creation */
};
static_assert(sizeof(PluginInstance) == 3 * sizeof(HostWord), "three words: 12 bytes in the product");

#endif
