// The extraction engine's failures: one class per kind under EZipException,
// each raised with its fixed English message.
#pragma once

#include <string>

#include "core/Exception.h"

namespace tavo::zip {

class EZipException : public Exception {
 public:
  using Exception::Exception;
};

#define TAVO_ZIP_EXCEPTION(Name)         \
  class Name : public EZipException {    \
   public:                               \
    using EZipException::EZipException;  \
  }

TAVO_ZIP_EXCEPTION(EBadZipFile);             // directory unreadable and not rebuildable
TAVO_ZIP_EXCEPTION(EIncompleteZip);          // no end record, taken for one part of a set
TAVO_ZIP_EXCEPTION(ENotAZipFile);            // no end record, taken for no archive
TAVO_ZIP_EXCEPTION(EFatalUnzipError);        // entry data ends before its size
TAVO_ZIP_EXCEPTION(EUserCanceled);           // a dialog or disk request was cancelled
TAVO_ZIP_EXCEPTION(EBiggerThanUncompressed); // an entry yields more than its size
TAVO_ZIP_EXCEPTION(ECantWriteUCF);           // an output file write failed
TAVO_ZIP_EXCEPTION(ECanceledUnzipToBuffer);  // declared for completeness; never raised
TAVO_ZIP_EXCEPTION(EZCompressionError);      // zlib reported an error
TAVO_ZIP_EXCEPTION(EMissingPiece);           // a piece of a numbered set is missing

#undef TAVO_ZIP_EXCEPTION

// The general list error: index out of range, duplicate item.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// Fixed messages.
inline constexpr const char* kMsgNotValidZip = "Not a valid zip file!";
inline constexpr const char* kMsgIncompleteZip = "Incomplete Zip File";
inline constexpr const char* kMsgCanceledZipName = "User canceled setting zip file name.";
inline constexpr const char* kMsgCanceledDestDir = "User canceled Set Desination Directory";
inline constexpr const char* kMsgCanceledNewDisk = "User canceled loading new disk.";
inline constexpr const char* kMsgIndexOutOfRange = "Index %d is out of range";
inline constexpr const char* kMsgDuplicateIndex = "Duplicate Object index";
inline constexpr const char* kMsgMissingPiece = "Piece %s of the numbered set is missing";
inline constexpr const char* kMsgCantWrite = "Cant write uncompressed file";
inline constexpr const char* kMsgInvalidSeekOrigin = "Invalid seek origin (%d)";
inline constexpr const char* kMsgSeekError = "Seek error";

}  // namespace tavo::zip
