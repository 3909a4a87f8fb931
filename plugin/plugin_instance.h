/* plugin_instance.h -- the block behind a plug-in handle. */
#ifndef TORVEX_PLUGIN_INSTANCE_H
#define TORVEX_PLUGIN_INSTANCE_H

#include <stdint.h>

struct PluginInstance {
    uint32_t hostContext;   /* first argument of every callback call */
    uint32_t hostCallback;  /* HostCallback */
    uint32_t reserved;      /* 0 at creation */
};
static_assert(sizeof(PluginInstance) == 12, "PluginInstance is three 32-bit fields");

#endif
