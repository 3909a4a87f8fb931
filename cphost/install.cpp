/*
 * install.cpp -- the installation that the plug-in's option switches read:
 * a folder with icpexe\icpgen.ist (section "PCS,1") and the registry value
 * that points at it. Whatever the registry held before the run is put back
 * afterwards; keys the host created are deleted again.
 */
#include <stdio.h>

#include "cphost/host_impl.h"

namespace cphost {

namespace {

const char kKeyPath[] = "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion";
const char kSection[] = "PCS,1";

unsigned g_folderCounter = 0;

}  // namespace

bool Host::Impl::layOutInstallation(std::string &why)
{
    RegistryBackup &b = registry;
    b = RegistryBackup();

    char temp[MAX_PATH];
    DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n >= sizeof temp) {
        why = "no temporary folder";
        return false;
    }
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%scphost-%lu-%u", temp, (unsigned long)GetCurrentProcessId(), ++g_folderCounter);
    std::string icpexe = std::string(folder) + "\\icpexe";
    if (!CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        why = std::string("cannot create ") + folder;
        return false;
    }
    b.folder = folder;
    if (!CreateDirectoryA(icpexe.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        why = "cannot create " + icpexe;
        return false;
    }
    std::string file = icpexe + "\\icpgen.ist";
    FILE *f = fopen(file.c_str(), "wb");
    if (!f) {
        why = "cannot write " + file;
        return false;
    }
    fprintf(f, "[%s]\r\n", kSection);
    for (auto &o : options)
        fprintf(f, "%s=%ld\r\n", o.first.c_str(), o.second);
    fclose(f);

    // Which keys of the path exist already; create the rest.
    std::string path = kKeyPath;
    for (size_t pos = 0;;) {
        size_t slash = path.find('\\', pos);
        std::string prefix = slash == std::string::npos ? path : path.substr(0, slash);
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, prefix.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
        } else {
            DWORD disposition = 0;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, prefix.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                &disposition) != ERROR_SUCCESS) {
                why = "cannot create the registry key HKLM\\" + prefix;
                return false;
            }
            RegCloseKey(key);
            b.createdKeys.push_back(prefix);
        }
        b.active = true;
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ | KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        why = std::string("cannot open HKLM\\") + kKeyPath;
        return false;
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, "Path", nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        b.value.resize(size);
        if (RegQueryValueExA(key, "Path", nullptr, &type, b.value.data(), &size) == ERROR_SUCCESS) {
            b.valueExisted = true;
            b.valueType = type;
            b.value.resize(size);
        }
    }
    LONG set = RegSetValueExA(key, "Path", 0, REG_SZ, (const BYTE *)folder, (DWORD)strlen(folder) + 1);
    RegCloseKey(key);
    if (set != ERROR_SUCCESS) {
        why = std::string("cannot set HKLM\\") + kKeyPath + "\\Path";
        return false;
    }
    return true;
}

void Host::Impl::restoreInstallation()
{
    RegistryBackup &b = registry;
    if (b.active) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            if (b.valueExisted)
                RegSetValueExA(key, "Path", 0, b.valueType, b.value.data(), (DWORD)b.value.size());
            else
                RegDeleteValueA(key, "Path");
            RegCloseKey(key);
        }
        for (auto it = b.createdKeys.rbegin(); it != b.createdKeys.rend(); ++it)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, it->c_str());
    }
    if (!b.folder.empty()) {
        DeleteFileA((b.folder + "\\icpexe\\icpgen.ist").c_str());
        RemoveDirectoryA((b.folder + "\\icpexe").c_str());
        RemoveDirectoryA(b.folder.c_str());
    }
    b = RegistryBackup();
}

}  // namespace cphost
