/*
 * telvor.h -- the two entries of the instrument communication library that
 * the channel uses. Imported from TELVOR.dll by their decorated names
 * _tvl_Write@28 and _tvl_QueryString@36 (stdcall, callee pops).
 */
#ifndef TORVEX_TELVOR_H
#define TORVEX_TELVOR_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef TELVOR_BUILDING
#define TELVOR_API __declspec(dllexport)
#else
#define TELVOR_API __declspec(dllimport)
#endif

/* (connection, 0, 0, 0, 0, command, length) -> result; low 16 bits: status. */
TELVOR_API uint32_t __stdcall _tvl_Write(uint32_t connection, uint32_t zero1, uint32_t zero2, uint32_t zero3,
                                         uint32_t zero4, const char *command, uint32_t length);

/* (connection, 0, 0, &replyLength, 0, command, length, reply, 256) -> result;
   low 16 bits 0 when a reply was received; the reply is NUL-terminated. */
TELVOR_API uint32_t __stdcall _tvl_QueryString(uint32_t connection, uint32_t zero1, uint32_t zero2,
                                               uint32_t *replyLength, uint32_t zero3, const char *command,
                                               uint32_t length, char *reply, uint32_t replySize);

#ifdef __cplusplus
}
#endif

#endif
