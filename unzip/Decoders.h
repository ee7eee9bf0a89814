// The legacy decoders: unshrink (method 1), unreduce (methods 2 to 5) and
// explode (method 6). Each reads through the pipeline's bit reader, writes
// through its output block and uses its work area for windows and tables.
#pragma once

#include "unzip/DataPipeline.h"

namespace tavo::zip {

// Each returns true when the stream decoded to its end and false when it
// rejected the data (see TDataPipeline's contract). Pipeline errors
// (short archive, size guard, write failure) pass through as exceptions.
bool Unshrink(TDataPipeline& pipe);
bool Unreduce(TDataPipeline& pipe, int factor);  // factor 1..4 = method - 1
bool Explode(TDataPipeline& pipe);

}  // namespace tavo::zip
