#ifndef TIVRA_SETUP_ARCHIVE_POWERARCMODULEAPI_H
#define TIVRA_SETUP_ARCHIVE_POWERARCMODULEAPI_H
/* What a compression module library exports, as C declarations so that a
 * module can be written in C or C++ alike. The setup looks the entries up by
 * name and calls only two of them: "GetPowerArcModuleInfo" when the library
 * is loaded, and "Decompress" on the decompression worker thread. */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every module's Signature must be exactly this text. */
#define POWERARC_MODULE_SIGNATURE "AA6F3C60-37D7-11D4-B4BF-D80DBEC04C01"
/* Length of a module identifier; the identifier has no terminator. */
#define POWERARC_MODULE_ID_LENGTH 8

/* How a module describes itself. Texts end with a zero byte; Options is a list
 * of texts ended by an empty text (a null list counts as empty). */
typedef struct ModuleInfo {
  const char* Signature;
  const char* Name;
  const char* Description;
  const char* const* Options;
  int32_t Reserved1; /* not read by the setup */
  int32_t Reserved2; /* not read by the setup */
  char ModuleId[POWERARC_MODULE_ID_LENGTH];
} ModuleInfo;

/* Reads up to count bytes of the compressed stream: the count read, 0 at its
 * end, or a negative number when the source fails. */
typedef int32_t (*PowerArcReadProc)(void* context, void* buffer, int32_t count);
/* Hands count decoded bytes on: count when all were taken, -1 when the
 * reader has gone away or the write failed; the decoder then stops. */
typedef int32_t (*PowerArcWriteProc)(void* context, const void* buffer, int32_t count);

/* "GetPowerArcModuleInfo" */
typedef const ModuleInfo* (*GetPowerArcModuleInfoProc)(void);
/* "Decompress": decodes the whole stream from read into write, then returns. */
typedef void (*PowerArcDecompressProc)(void* context, PowerArcReadProc read,
                                       PowerArcWriteProc write);
/* "SetOptions", "Compress" and "CompressMem" must exist but are never called
 * by the setup; their arguments are the module's own business. */
typedef void (*PowerArcUnusedProc)(void);

#ifdef __cplusplus
}
#endif

#endif
