#include "draw/image_encoders.h"

#include "draw/gdip.h"
#include "draw/text_to_wide.h"

#include <algorithm>
#include <cstddef>

namespace lumbra {
namespace {

std::string TextOf(const WCHAR* text) { return text ? WideToText(text) : std::string{}; }

ByteBuffer BytesOf(const BYTE* bytes, DWORD size) {
    return bytes ? ByteBuffer(bytes, bytes + size) : ByteBuffer{};
}

}  // namespace

std::string GuidToText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return WideToText(text);
}

GUID TextToGuid(const std::string& text) {
    GUID guid{};
    if (text.empty()) return guid;
    std::wstring wide = TextToWide(text);
    if (FAILED(CLSIDFromString(wide.c_str(), &guid))) guid = GUID{};
    return guid;
}

std::vector<EncoderInfo> GetImageEncoders() {
    UINT count = 0, bytes = 0;
    if (!TrackStatus(gdip::GdipGetImageEncodersSize(&count, &bytes)) || count == 0) return {};
    std::vector<std::uint8_t> block(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
    if (!TrackStatus(gdip::GdipGetImageEncoders(count, bytes, codecs))) return {};
    std::vector<EncoderInfo> encoders;
    for (UINT i = 0; i < count; ++i) {
        const Gdiplus::ImageCodecInfo& codec = codecs[i];
        EncoderInfo info;
        info.Clsid = GuidToText(codec.Clsid);
        info.FormatID = GuidToText(codec.FormatID);
        info.CodecName = TextOf(codec.CodecName);
        info.DllName = TextOf(codec.DllName);
        info.FormatDescription = TextOf(codec.FormatDescription);
        info.FilenameExtension = TextOf(codec.FilenameExtension);
        info.MimeType = TextOf(codec.MimeType);
        info.Flags = static_cast<int>(codec.Flags);
        info.Version = static_cast<int>(codec.Version);
        info.SigCount = static_cast<int>(codec.SigCount);
        info.SigSize = static_cast<int>(codec.SigSize);
        info.SigPattern = BytesOf(codec.SigPattern, codec.SigSize);
        info.SigMask = BytesOf(codec.SigMask, codec.SigSize);
        encoders.push_back(std::move(info));
    }
    return encoders;
}

std::string EncoderForFormat(const std::string& format) {
    for (const EncoderInfo& encoder : GetImageEncoders())
        if (encoder.FormatID == format) return encoder.Clsid;
    return {};
}

EncoderParameterBlock::EncoderParameterBlock(const EncoderParameterList& list) {
    const std::size_t count = list.Parameter.size();
    const std::size_t first = offsetof(Gdiplus::EncoderParameters, Parameter);
    storage_.resize(std::max(sizeof(Gdiplus::EncoderParameters), first + count * sizeof(Gdiplus::EncoderParameter)));
    reinterpret_cast<Gdiplus::EncoderParameters*>(storage_.data())->Count = static_cast<UINT>(count);
    auto* parameters = reinterpret_cast<Gdiplus::EncoderParameter*>(storage_.data() + first);
    for (std::size_t i = 0; i < count; ++i) {
        const EncoderParameterEntry& entry = list.Parameter[i];
        Gdiplus::EncoderParameter& parameter = parameters[i];
        parameter.Guid = TextToGuid(entry.Guid);
        parameter.NumberOfValues = static_cast<ULONG>(entry.NumberOfValues);
        parameter.Type = static_cast<ULONG>(entry.Type);
        parameter.Value = const_cast<std::uint8_t*>(entry.Values.data());
    }
}

}  // namespace lumbra
