// TDirectoryReader: one reading of an archive's directory into a TUnZip's
// entry list. It finds the end record (or the ".zfc" directory file),
// chooses the multi-part mode, reads the central headers through one header
// reader shared with the local headers, and rebuilds a damaged directory
// from local headers. Internal to the engine.
#pragma once

#include <cstdint>

#include "unzip/UnZip.h"

namespace tavo::zip {

struct THeaderLayout;

class TDirectoryReader {
 public:
  explicit TDirectoryReader(TUnZip& unzip) : u_(unzip) {}
  // Reads the directory of the open archive stream; see the steps below.
  void Read();

 private:
  // Step 1. Finds the end record in the archive, else in the ".zfc" file
  // beside it; an end record naming impossible parts counts as missing.
  // Sets src_ to the stream the directory is read from. False when none.
  bool LocateDirectory();
  // Step 2 (end record found). Sets CurrentDisk and the multi-part mode,
  // opens the part holding the central directory and seeks to its start.
  void EnterCentralDirectory();
  // Step 2 (no end record). OnInCompleteZip, then the IncompleteZipMode
  // verdict: ENotAZipFile, EIncompleteZip, or a rebuild from local headers
  // (EBadZipFile after ClearArchive when that fails).
  void NoEndRecord();
  // Step 3. Reads the announced central headers into EntryList and puts it
  // in physical order; duplicates rebuild a single-part archive.
  void ReadEntries();
  // Step 4. Loads the archive comment of a multi-part archive while its
  // last part is at hand.
  void LoadSetComment();

  bool LocateEndRecord(TStream& stream);
  bool RebuildDirectory();
  void ReadCentralEntries();
  bool ReadHeader(TStream*& src, const THeaderLayout& layout, uint8_t* header, TZipHeaderInfo& entry,
                  bool nextPartRequest);
  bool ReadCentralHeader(TStream& stream, TZipHeaderInfo& entry, bool nextPartRequest);
  bool ReadLocalHeader(TStream& stream, TZipHeaderInfo& entry);
  void ParseExtraField(TStream& stream, TZipHeaderInfo& entry);

  TUnZip& u_;
  TStream* src_ = nullptr;
  bool fromDirectoryFile_ = false;
};

}  // namespace tavo::zip
