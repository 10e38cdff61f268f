#pragma once
// The library's image encoders, looked up by the format they write, and the encoder
// parameter block that the save calls take.
#include "draw/image_records.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

namespace lumbra {

std::string GuidToText(const GUID& guid);
// A zero GUID when text is empty or malformed.
GUID TextToGuid(const std::string& text);

std::vector<EncoderInfo> GetImageEncoders();
// The Clsid text of the first encoder writing format, or empty.
std::string EncoderForFormat(const std::string& format);

// The library's layout of a parameter list; the value bytes stay in the caller's list, which
// must outlive the block.
class EncoderParameterBlock {
public:
    explicit EncoderParameterBlock(const EncoderParameterList& list);
    const Gdiplus::EncoderParameters* Get() const {
        return reinterpret_cast<const Gdiplus::EncoderParameters*>(storage_.data());
    }

private:
    std::vector<std::uint8_t> storage_;
};

}  // namespace lumbra
