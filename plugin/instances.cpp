/*
 * instances.cpp -- the library-wide InstanceList and the PluginInstance
 * blocks behind plug-in handles. Both are movable local-memory blocks,
 * locked only for the one access that needs them.
 */
#include <windows.h>
#include <string.h>

#include "host_services.h"
#include "plugin_instance.h"

namespace {

struct InstanceListHeader {
    uint32_t count;
    uint32_t capacity;
    uint32_t elementSize;
    /* followed by capacity handles */
};

const uint32_t kGrowBy = 5;

HLOCAL s_list;

HLOCAL *Handles(InstanceListHeader *header)
{
    return reinterpret_cast<HLOCAL *>(header + 1);
}

} // namespace

BOOL InstanceListCreate(void)
{
    SIZE_T size = sizeof(InstanceListHeader) + kGrowBy * sizeof(HLOCAL);
    s_list = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
    if (s_list == NULL)
        return FALSE;
    InstanceListHeader *header = static_cast<InstanceListHeader *>(LocalLock(s_list));
    if (header == NULL) {
        LocalFree(s_list);
        s_list = NULL;
        return FALSE;
    }
    header->count = 0;
    header->capacity = kGrowBy;
    header->elementSize = sizeof(HLOCAL);
    LocalUnlock(s_list);
    return TRUE;
}

uint16_t InstanceListAdd(PluginHandle handle)
{
    if (s_list == NULL)
        return 1;
    InstanceListHeader *header = static_cast<InstanceListHeader *>(LocalLock(s_list));
    if (header == NULL)
        return 1;
    if (header->count == header->capacity) {
        SIZE_T size = LocalSize(s_list) + kGrowBy * header->elementSize;
        LocalUnlock(s_list);
        HLOCAL grown = LocalReAlloc(s_list, size, LMEM_MOVEABLE | LMEM_ZEROINIT);
        if (grown == NULL)
            return 1;
        s_list = grown;
        header = static_cast<InstanceListHeader *>(LocalLock(s_list));
        if (header == NULL)
            return 1;
        header->capacity += kGrowBy;
    }
    Handles(header)[header->count++] = handle;
    LocalUnlock(s_list);
    return 0;
}

void InstanceListRemove(PluginHandle handle)
{
    if (s_list == NULL || handle == NULL)
        return;
    InstanceListHeader *header = static_cast<InstanceListHeader *>(LocalLock(s_list));
    if (header == NULL)
        return;
    HLOCAL *handles = Handles(header);
    for (uint32_t i = 0; i < header->count; ++i) {
        if (handles[i] == handle) {
            LocalFree(handle);
            memmove(&handles[i], &handles[i + 1], (header->count - i - 1) * sizeof(HLOCAL));
            --header->count;
            handles[header->count] = NULL;
            break;
        }
    }
    LocalUnlock(s_list);
}

void InstanceListDestroy(void)
{
    if (s_list == NULL)
        return;
    while (InstanceListCount() > 0)
        InstanceListRemove(InstanceListAt(InstanceListCount() - 1));
    LocalFree(s_list);
    s_list = NULL;
}

namespace {

/* One header field, read under a lock of its own; 0 without a list. */
uint32_t ReadHeader(uint32_t InstanceListHeader::*field)
{
    if (s_list == NULL)
        return 0;
    InstanceListHeader *header = static_cast<InstanceListHeader *>(LocalLock(s_list));
    if (header == NULL)
        return 0;
    uint32_t value = header->*field;
    LocalUnlock(s_list);
    return value;
}

} // namespace

uint32_t InstanceListCount(void)
{
    return ReadHeader(&InstanceListHeader::count);
}

uint32_t InstanceListCapacity(void)
{
    return ReadHeader(&InstanceListHeader::capacity);
}

PluginHandle InstanceListAt(uint32_t index)
{
    if (s_list == NULL)
        return NULL;
    InstanceListHeader *header = static_cast<InstanceListHeader *>(LocalLock(s_list));
    if (header == NULL)
        return NULL;
    PluginHandle handle = index < header->count ? Handles(header)[index] : NULL;
    LocalUnlock(s_list);
    return handle;
}

PluginHandle PluginInstanceCreate(HostWord context, HostWord callback)
{
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(PluginInstance));
    if (block == NULL)
        return NULL;
    PluginInstance *instance = static_cast<PluginInstance *>(LocalLock(block));
    if (instance == NULL) {
        LocalFree(block);
        return NULL;
    }
    instance->hostContext = context;
    instance->hostCallback = callback;
    instance->reserved = 0;
    LocalUnlock(block);
    return block;
}
