#include "sim_memory.h"

#include <cstdio>

#include "sim_model_parts.h"
#include "sim_text.h"

namespace tvsim {

uint8_t Memory::PatternByte(unsigned address)
{
    address &= kSize - 1;
    return (uint8_t)(0xA5u + 0x1Du * (address & 0xFFu) + 0x3Bu * (address >> 8));
}

void Memory::FillPattern()
{
    for (unsigned a = 0; a < kSize; ++a)
        bytes_[a] = PatternByte(a);
}

void Memory::Read(unsigned address, uint8_t *out, unsigned count) const
{
    for (unsigned i = 0; i < count; ++i)
        out[i] = bytes_[(address + i) & (kSize - 1)];
}

void Memory::Write(unsigned address, const uint8_t *data, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        bytes_[(address + i) & (kSize - 1)] = data[i];
}

bool Memory::Load(const std::string &path, std::string *error)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        *error = "cannot open memory image " + path;
        return false;
    }
    static uint8_t buffer[kSize + 1];
    size_t n = std::fread(buffer, 1, sizeof buffer, f);
    std::fclose(f);
    if (n != kSize) {
        *error = Format("memory image %s holds %u bytes, not %u", path.c_str(), (unsigned)n, kSize);
        return false;
    }
    Write(0, buffer, kSize);
    return true;
}

bool Memory::Save(const std::string &path, std::string *error) const
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) {
        *error = "cannot create memory image " + path;
        return false;
    }
    size_t n = std::fwrite(bytes_, 1, kSize, f);
    bool ok = std::fclose(f) == 0 && n == kSize;
    if (!ok)
        *error = "cannot write memory image " + path;
    return ok;
}

std::string Memory::FormatBlock(unsigned address, unsigned count) const
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 4);
    for (unsigned i = 0; i < count; ++i) {
        uint8_t b = bytes_[(address + i) & (kSize - 1)];
        if (i)
            text += ',';
        text += "#H";
        text += hex[b >> 4];
        text += hex[b & 15];
    }
    return text;
}

static bool ParseAddressAndCount(const std::vector<std::string> &items, unsigned *address, unsigned *count)
{
    long a = 0, n = 0;
    if (items.size() < 2 || !IStartsWith(items[0], "#H") || !ParseInteger(items[0], &a) ||
        !ParseInteger(items[1], &n))
        return false;
    if (a < 0 || a >= (long)Memory::kSize || n < 1 || n > (long)Memory::kMaxBlock)
        return false;
    *address = (unsigned)a;
    *count = (unsigned)n;
    return true;
}

bool Memory::ParseQuery(const std::string &args, unsigned *address, unsigned *count)
{
    std::vector<std::string> items = Split(args, ',');
    return items.size() == 2 && ParseAddressAndCount(items, address, count);
}

bool Memory::ParseRecord(const std::string &args, unsigned *address, std::vector<uint8_t> *data)
{
    std::vector<std::string> items = Split(args, ',');
    unsigned count = 0;
    if (!ParseAddressAndCount(items, address, &count) || items.size() != 2 + count)
        return false;
    data->clear();
    for (unsigned i = 0; i < count; ++i) {
        long b = 0;
        const std::string &item = items[2 + i];
        if (!IStartsWith(item, "#H") || item.size() != 4 || !ParseInteger(item, &b) || b < 0 || b > 255)
            return false;
        data->push_back((uint8_t)b);
    }
    return true;
}

// The instrument's side of the memory transfer: "PEC:EROM? address,count"
// answers a block, "POC:EROM address,count,#Hxx,..." writes one.
void Model::BuildMemory()
{
    AddCustom(
        "PEC:EROM",
        [](Model &m, const std::string &args, std::string *out) {
            unsigned address = 0, count = 0;
            if (!Memory::ParseQuery(args, &address, &count))
                return Outcome::Malformed;
            *out = m.memory_.FormatBlock(address, count);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("POC:EROM", nullptr, [](Model &m, const std::string &args) {
        unsigned address = 0;
        std::vector<uint8_t> data;
        if (!Memory::ParseRecord(args, &address, &data))
            return Outcome::Malformed;
        m.memory_.Write(address, data.data(), (unsigned)data.size());
        if (m.onMemoryWritten)
            m.onMemoryWritten();
        return Outcome::Ok;
    });
}

}  // namespace tvsim
