#ifndef HALVORA_FILE_OP_H
#define HALVORA_FILE_OP_H

#include <cstdint>
#include <ctime>
#include <dirent.h>
#include <sys/types.h>

#include "ustring/ustring.h"

// File layer over POSIX calls. Results: 0 success; -1, -2, -3 and -100
// distinguish failures as documented per function. Failures are logged under
// the component "file_op_debug".

typedef enum _FILE_TYPE_tag : int32_t {
    FT_ERR = 0,
    FT_FILE = 1,
    FT_DIR = 2,
    FT_SLINK = 3,
    FT_HLINK = 4,
    FT_DEV = 5,
    FT_FIFO = 6,
    FT_SOCK = 7,
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
    ustring path;
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
    bool isExist = false;
    uint32_t uid = 0;
    uint32_t gid = 0;
    uint32_t mode = 0;
    uint64_t dev_id = 0;

    bool operator==(const _FILE_INFO_tag& other) const;
    bool operator!=(const _FILE_INFO_tag& other) const { return !(*this == other); }
} FILE_INFO;

typedef struct _DIR_HANDLE_tag {
    ustring path;
    int flag = 0;
    DIR* dp = nullptr;
} DIR_HANDLE;

typedef struct _DIR_ENTRY_tag {
    ustring name;
    FILE_TYPE type = FT_ERR;
    uint32_t mtime = 0;
    uint64_t size = 0;
} DIR_ENTRY;

int GetFileInfo(const ustring& path, FILE_INFO& info);
int FSStat(const ustring& path, FILE_INFO& info, bool do_case_check);
bool IsFileExist(const ustring& path, bool do_case_check);
// True for the names "." and "..", which name no entry of their own.
bool IsDotOrDotDot(const char* name);

int FSMKDir(const ustring& path, bool isCreateParent);
int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode);
int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin);
int FSRename(const ustring& from, const ustring& to, bool do_case_check);
int FSRemove(const ustring& path, bool allowundo);
int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh);
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
void FSCloseDir(DIR_HANDLE& dh);
ustring FSParentPath(const ustring& path);
ustring FSBaseName(const ustring& path);
int FSMktemp(const ustring& prefix, ustring& path);
int FSCreateTempPath(const ustring& prefix, ustring& path);
int FSUTime(const ustring& path, time_t atime, time_t mtime);
bool FSTimeEqual(time_t a, time_t b);
bool isFileLocked(const ustring& path, int mode);
bool hasFilePermission(const ustring& path, int mode);
bool isMountPoint(const ustring& path);
bool IsMSDOS(const ustring& path);
int FSGetRealPath(ustring& path);
bool FSIsParentFolder(const ustring& parent, const ustring& child);
int FSMKDirFromRoot(const ustring& path, const ustring& from);
int FSCreateSymbolicLink(const ustring& target, const ustring& link);
int FSReadSymbolicLink(const ustring& link, ustring& target);
int FSChown(const ustring& path, uid_t owner, gid_t group);

#endif
