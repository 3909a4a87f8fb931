/*
 * sim_memory.h -- the instrument's 64 KiB parameter memory and its text
 * forms: "PEC:EROM? #Haaaa,16" reads 16 bytes as "#H00,#H1A,...",
 * "POC:EROM #Haaaa,16,#H00,...,#HFF" writes them (portable).
 */
#ifndef TORVEX_SIM_MEMORY_H
#define TORVEX_SIM_MEMORY_H

#include <cstdint>
#include <string>
#include <vector>

namespace tvsim {

class Memory {
public:
    static const unsigned kSize = 65536;
    static const unsigned kMaxBlock = 16;

    Memory() { FillPattern(); }

    /* The default content: byte at address a = (0xA5 + 0x1D * (a mod 256) + 0x3B * (a div 256)) mod 256. */
    void FillPattern();
    static uint8_t PatternByte(unsigned address);

    void Read(unsigned address, uint8_t *out, unsigned count) const;  // wraps at 64 KiB
    void Write(unsigned address, const uint8_t *data, unsigned count);

    /* A binary image of exactly 64 KiB. */
    bool Load(const std::string &path, std::string *error);
    bool Save(const std::string &path, std::string *error) const;

    /* "#H00,#H1A,...": `count` bytes from `address`, two upper-case hex digits each. */
    std::string FormatBlock(unsigned address, unsigned count) const;

    /* Arguments of the memory query, "#Haaaa,n" (n 1..16). */
    static bool ParseQuery(const std::string &args, unsigned *address, unsigned *count);
    /* Arguments of the memory write, "#Haaaa,n,#Hbb,...": exactly n bytes (1..16). */
    static bool ParseRecord(const std::string &args, unsigned *address, std::vector<uint8_t> *data);

private:
    uint8_t bytes_[kSize];
};

}  // namespace tvsim

#endif
