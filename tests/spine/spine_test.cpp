// The plug-in's entry points as a host meets them: the real TORVEX2.dll
// loaded with LoadLibrary, driven through OOCPSRV and GVI by a minimal host
// of this test's own (its callback records every service call), and TELVOR's
// trace showing what reaches the instrument.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "plugin/host_abi.h"
#include "tests/host/host_support.h"
#include "telvor/telvor_sim.h"

namespace {

struct ServiceCall {
    uint32_t code;
    HostWord a, b;
    std::string text;  // the name or text the call carried, where it has one
};

struct TestHost {
    std::vector<ServiceCall> calls;
    std::vector<std::string> registered;
    std::map<std::string, double> variables;
    uint16_t refuseRegistration = 0;  // refuse the n-th registration (from 1) with 7, 0: none
    bool windowFails = false;
    HWND window = nullptr;
};

uint32_t TORVEX_STDCALL Callback(HostWord context, uint32_t code, HostWord a, HostWord b)
{
    TestHost &host = *reinterpret_cast<TestHost *>(context);
    ServiceCall call{code, a, b, {}};
    uint32_t status = 0;
    switch (code) {
    case HOSTSVC_REGISTER_COMMAND: {
        const CommandRecord *record = reinterpret_cast<const CommandRecord *>(a);
        const uint8_t *types = reinterpret_cast<const uint8_t *>(b);
        std::string row = reinterpret_cast<const char *>(record->name);
        row += "/" + std::to_string(record->argumentCount);
        for (int i = 0; i < record->argumentCount; ++i) row += types[i] ? "t" : "n";
        call.text = row;
        status = host.registered.size() + 1 == host.refuseRegistration ? 7 : 0;
        if (!status) host.registered.push_back(row);
        break;
    }
    case HOSTSVC_GET_WINDOW:
        status = host.windowFails;
        if (!status) *reinterpret_cast<HWND *>(b) = host.window;
        break;
    case HOSTSVC_RESOLVE_HANDLE:  // this host's data handles are the data's addresses
        *reinterpret_cast<void **>(b) = reinterpret_cast<void *>(a);
        break;
    case HOSTSVC_GET_VARIABLE: {
        call.text = reinterpret_cast<const char *>(a);
        auto v = host.variables.find(call.text);
        status = v == host.variables.end();
        if (!status) *reinterpret_cast<double *>(b) = v->second;
        break;
    }
    case HOSTSVC_SET_VARIABLE:
        call.text = reinterpret_cast<const char *>(a);
        host.variables[call.text] = *reinterpret_cast<const double *>(b);
        break;
    case HOSTSVC_OPEN_DEVICE: {
        const OpenDeviceRecord *record = reinterpret_cast<const OpenDeviceRecord *>(a);
        call.text = std::string(reinterpret_cast<const char *>(b)) + "/" + std::to_string(record->mode) + "/" +
                    std::to_string(record->zero) + "/" + std::to_string(record->last);
        *reinterpret_cast<uint32_t *>(record->connection) = 3;
        break;
    }
    }
    host.calls.push_back(call);
    return status;
}

void CountExchange(void *context, int kind, const char *, int)
{
    *static_cast<int *>(context) += kind == TVSIM_EV_WRITE || kind == TVSIM_EV_QUERY;
}

class Spine : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryA("TORVEX2.dll");
        ASSERT_NE(module, nullptr);
        oocpsrv = reinterpret_cast<OocpsrvEntry>(reinterpret_cast<void *>(GetProcAddress(module, "OOCPSRV")));
        gvi = reinterpret_cast<GviEntry>(reinterpret_cast<void *>(GetProcAddress(module, "GVI")));
        ASSERT_TRUE(oocpsrv && gvi);
        host.window = CreateWindowA("STATIC", "host", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        tvsim_Reset();
        tvsim_SetTrace(CountExchange, &exchanges);
    }
    void TearDown() override
    {
        tvsim_SetTrace(nullptr, nullptr);
        DeleteFileA(file.c_str());
        if (module) FreeLibrary(module);
        DestroyWindow(host.window);
    }
    HostWord Create(TestHost &h)
    {
        CreateRecord record = {};
        record.callback = reinterpret_cast<HostWord>(&Callback);
        record.context = reinterpret_cast<HostWord>(&h);
        EXPECT_EQ(oocpsrv(0, CPMSG_CREATE, &record, 0), 0);
        EXPECT_EQ(record.entry, reinterpret_cast<HostWord>(oocpsrv));
        EXPECT_NE(record.handle, 0u);
        return record.handle;
    }
    CommandProcedure Command(const char *name)
    {
        return reinterpret_cast<CommandProcedure>(reinterpret_cast<void *>(GetProcAddress(module, name)));
    }
    // ReadRom from address 0 into `file`: this host's argument handles are the data's addresses.
    uint16_t ReadRom(HostWord handle, double count)
    {
        char path[MAX_PATH];
        GetTempPathA(sizeof path, path);
        file = std::string(path) + "torvex_spine.rom";
        const char *address = "#H0000";
        HostWord arguments[3] = {reinterpret_cast<HostWord>(address), reinterpret_cast<HostWord>(&count),
                                 reinterpret_cast<HostWord>(file.c_str())};
        return Command("ReadRomProc")(reinterpret_cast<HostWord>(arguments), handle);
    }

    HMODULE module = nullptr;
    OocpsrvEntry oocpsrv = nullptr;
    GviEntry gvi = nullptr;
    TestHost host;
    int exchanges = 0;
    std::string file;
};

} // namespace

TEST_F(Spine, VersionItemsAndBufferRules)
{
    // Texts: at most size - 1 characters and the NUL, never a byte past the
    // buffer (a guard byte right behind it stays untouched); size 0 copies
    // nothing and answers the item.
    const struct { uint16_t item; int32_t size; uint32_t answer; const char *text; /* nullptr: nothing copied */ } texts[] = {
        {2, 4, 3, "A.0"},   {2, 7, 6, "A.01.0"}, {2, 8, 7, "A.01.00"}, {2, 9, 7, "A.01.00"},
        {2, 1, 0, ""},      {2, 0, 2, nullptr},  {4, 0, 4, nullptr},   {4, 21, 20, "Sample CP-DLL Librar"},
        {4, 22, 21, "Sample CP-DLL Library"},    {4, 100, 21, "Sample CP-DLL Library"},
        {5, 100, 89, "TORVEX2 service plug-in: maintenance panels, lens calibration and parameter memory backup"},
    };
    for (const auto &t : texts) {
        char buffer[101];
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(gvi(t.item, buffer, t.size), t.answer) << t.item << "/" << t.size;
        if (t.text != nullptr) { EXPECT_STREQ(buffer, t.text) << t.item << "/" << t.size; }
        EXPECT_EQ(buffer[t.size], 'x') << t.item << "/" << t.size << ": a byte past the buffer was written";
    }
    char buffer[100];  // the version as MAJOR << 16 | MINOR, the date, no item 0 or 6 (file properties: dll_layout)
    EXPECT_EQ(gvi(1, nullptr, 0), 0x00010000u);
    EXPECT_EQ(gvi(3, nullptr, 0), 20000725u);
    EXPECT_EQ(gvi(0, buffer, 100), 0u);
    EXPECT_EQ(gvi(6, buffer, 100), 0u);
}

// Messages other than the handled ones answer 1; without the host's window
// ending answers 1 and a command opens nothing and leaves "_BUTTON" alone.
TEST_F(Spine, MessagesAndTheMissingHostWindow)
{
    HostWord handle = Create(host);
    for (uint16_t message : {0, 1, 7, 9, 100}) EXPECT_EQ(oocpsrv(handle, message, nullptr, 0), 1) << message;
    EXPECT_EQ(oocpsrv(handle, CPMSG_ACCEPT, nullptr, 0), 0);
    EXPECT_EQ(oocpsrv(handle, CPMSG_END, nullptr, 0), 0);
    host.windowFails = true;
    EXPECT_EQ(oocpsrv(handle, CPMSG_END, nullptr, 0), 1);
    EXPECT_EQ(Command("MaintVacuumProc")(0, handle), 1);
    EXPECT_EQ(host.variables.count("_BUTTON"), 0u);
    EXPECT_EQ(oocpsrv(handle, CPMSG_RELEASE, nullptr, 0), 0);
}

// Fifteen commands in table order; the first refusal stops the rest and is the answer.
TEST_F(Spine, RegistersFifteenCommandsUntilTheFirstRefusal)
{
    const std::vector<std::string> all = {"MaintLens/0", "MaintVacuum/0", "MaintRF/0", "MaintQP/0", "MaintDetector/0",
                                          "MaintOctPole/0", "MaintWater/0", "MaintGas/0", "MaintSC/0", "MaintPeriPump/0",
                                          "MaintXYZ/0", "MaintHousing/0", "ReadRom/3tnt", "WriteRom/1t", "CalLens/0"};
    ASSERT_EQ(oocpsrv(Create(host), CPMSG_REGISTER, nullptr, 0), 0);
    EXPECT_EQ(host.registered, all);
    TestHost refusing;
    refusing.window = host.window;
    refusing.refuseRegistration = 4;
    EXPECT_EQ(oocpsrv(Create(refusing), CPMSG_REGISTER, nullptr, 0), 7);
    EXPECT_EQ(refusing.registered, std::vector<std::string>(all.begin(), all.begin() + 3));
    EXPECT_EQ(std::count_if(refusing.calls.begin(), refusing.calls.end(),
                            [](const ServiceCall &c) { return c.code == HOSTSVC_REGISTER_COMMAND; }), 4);
}

TEST_F(Spine, InstanceListSurvivesAThousandCreateReleaseCycles)
{
    // Three instances live throughout; each cycle creates eight more (the
    // list grows twice) and releases them in an order that takes them from
    // the front, the middle and the end of the list. The library is unloaded
    // with the three still there (TearDown): nothing may crash.
    std::vector<TestHost> lasting(3), passing(8);
    std::vector<HostWord> kept;
    for (TestHost &h : lasting) kept.push_back(Create(h));
    long long before = 0;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        before = cycle == 10 ? privateBytes() : before;
        HostWord h[8];
        for (int i = 0; i < 8; ++i) h[i] = Create(passing[i]);
        for (int i : {2, 0, 7, 4, 3, 6, 1, 5}) {
            if (i == 1 && cycle == 0) {  // half released: the rest still reach their own hosts
                passing[5].window = host.window;
                ASSERT_EQ(oocpsrv(h[5], CPMSG_REGISTER, nullptr, 0), 0);
                EXPECT_EQ(passing[5].registered.size(), 15u);
            }
            ASSERT_EQ(oocpsrv(h[i], CPMSG_RELEASE, nullptr, 0), 0) << cycle;
        }
        // A handle released twice finds nothing to free the second time.
        ASSERT_EQ(oocpsrv(h[0], CPMSG_RELEASE, nullptr, 0), 0) << cycle;
    }
    long long growth = privateBytes() - before;
    std::printf("instance list: 1000 create/release cycles of 8 instances beside 3, private bytes %+lld KiB\n",
                growth / 1024);
    EXPECT_LT(growth, 256 * 1024);
    for (size_t i = 0; i < kept.size(); ++i) {
        lasting[i].window = host.window;
        EXPECT_EQ(oocpsrv(kept[i], CPMSG_REGISTER, nullptr, 0), 0) << i;
        EXPECT_EQ(lasting[i].registered.size(), 15u) << i;
    }
}

// Initialised online, the device is opened and ReadRom reaches the instrument
// while "_offline" is 0; without "_offline" initialising fails. Offline at
// initialisation no connection is opened and nothing is ever sent: ReadRom
// then writes 12-byte lines (address, count, no data).
TEST_F(Spine, InitialiseOpensTheDeviceOnlyWhenOnline)
{
    // The offline row first: the library keeps one connection for all its instances.
    struct Row { double atInit, atRead; int exchanges; unsigned bytes; } rows[] = {{1, 0, 0, 24}, {0, 0, 2, 182},
                                                                                   {0, 2, 0, 24}};
    for (const Row &r : rows) {
        TestHost h;
        h.window = host.window;
        HostWord handle = Create(h);
        EXPECT_EQ(oocpsrv(handle, CPMSG_INIT, nullptr, 0), 1);
        h.variables["_offline"] = r.atInit;
        ASSERT_EQ(oocpsrv(handle, CPMSG_INIT, nullptr, 0), 0);
        std::vector<std::string> opened;
        for (const ServiceCall &c : h.calls)
            if (c.code == HOSTSVC_OPEN_DEVICE) opened.push_back(c.text);
        EXPECT_EQ(opened, std::vector<std::string>(r.atInit ? 0 : 1, "TVLD/11/0/0")) << r.atInit;
        h.variables["_offline"] = r.atRead;
        exchanges = 0;
        ASSERT_EQ(ReadRom(handle, 32), 0);
        EXPECT_EQ(exchanges, r.exchanges) << r.atInit << " " << r.atRead;
        WIN32_FILE_ATTRIBUTE_DATA data;
        ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.nFileSizeLow, r.bytes) << r.atInit << " " << r.atRead;
        EXPECT_EQ(oocpsrv(handle, CPMSG_RELEASE, nullptr, 0), 0);
    }
}
