/* Pathkin: replaces a file-system path by its short form, in the caller's own buffer. */
#ifndef PATHKIN_H
#define PATHKIN_H

#ifdef __cplusplus
extern "C" {
#endif

/* path: the caller's writable, zero-terminated path. Returns path. The buffer changes only when
   the short form could be made in full: every component exists, the result is at most 256
   characters, and it is no longer than the path given (so it never writes past what the
   caller provided). Otherwise the buffer is left exactly as it was. */
char* GetShortPath(char* path);

#ifdef __cplusplus
}
#endif

#endif
