#include "draw/image_object.h"

#include "draw/image_encoders.h"
#include "draw/text_to_wide.h"

#include <cstring>

namespace lumbra {
namespace {

constexpr PROPID kFrameDelayProperty = 0x5100;

}  // namespace

bool ImageObject::Dispose() {
    const bool released = DrawingObject::Dispose();
    stream_.Release();
    return released;
}

bool ImageObject::LoadFromFile(const std::string& path, std::optional<bool> useIcm) {
    return LoadFromFileW(TextToWide(path), useIcm);
}

bool ImageObject::LoadFromFileW(const std::wstring& path, std::optional<bool> useIcm) {
    Dispose();
    Gdiplus::GpImage* image = nullptr;
    const GpStatus status = useIcm.value_or(false) ? gdip::GdipLoadImageFromFileICM(path.c_str(), &image)
                                                   : gdip::GdipLoadImageFromFile(path.c_str(), &image);
    return Adopt(status, image);
}

bool ImageObject::LoadFromBytes(const ByteBuffer& bytes, std::optional<bool> useIcm) {
    Dispose();
    IStream* stream = stream_.CreateFromBytes(bytes);
    Gdiplus::GpImage* image = nullptr;
    const GpStatus status = !stream ? Gdiplus::OutOfMemory
                            : useIcm.value_or(false) ? gdip::GdipLoadImageFromStreamICM(stream, &image)
                                                     : gdip::GdipLoadImageFromStream(stream, &image);
    const bool loaded = Adopt(status, image);
    if (!loaded) stream_.Release();
    return loaded;
}

bool ImageObject::Clone(ImageObject& target) const {
    Gdiplus::GpImage* image = nullptr;
    const GpStatus status = gdip::GdipCloneImage(handle_, &image);
    target.Dispose();
    target.handle_ = status == Gdiplus::Ok ? image : nullptr;
    return TrackStatus(status);
}

bool ImageObject::SaveWith(const std::optional<std::string>& format,
                           const std::optional<EncoderParameterList>& parameters, IStream* stream,
                           const std::wstring* path) const {
    const CLSID encoder = TextToGuid(EncoderForFormat(format ? *format : GetRawFormat()));
    if (encoder == GUID{}) return TrackStatus(Gdiplus::UnknownImageFormat);
    std::optional<EncoderParameterBlock> block;
    if (parameters) block.emplace(*parameters);
    const Gdiplus::EncoderParameters* params = block ? block->Get() : nullptr;
    return TrackStatus(path ? gdip::GdipSaveImageToFile(handle_, path->c_str(), &encoder, params)
                            : gdip::GdipSaveImageToStream(handle_, stream, &encoder, params));
}

bool ImageObject::SaveToFile(const std::string& path, std::optional<std::string> format,
                             const std::optional<EncoderParameterList>& parameters) const {
    const std::wstring wide = TextToWide(path);
    return SaveWith(format, parameters, nullptr, &wide);
}

bool ImageObject::SaveToFileW(const std::wstring& path, std::optional<std::string> format,
                              const std::optional<EncoderParameterList>& parameters) const {
    return SaveWith(format, parameters, nullptr, &path);
}

ByteBuffer ImageObject::SaveToBytes(std::optional<std::string> format,
                                    const std::optional<EncoderParameterList>& parameters) const {
    MemoryStreamObject output;
    IStream* stream = output.CreateFromBytes({});
    if (!stream) {
        TrackStatus(Gdiplus::OutOfMemory);
        return {};
    }
    if (!SaveWith(format, parameters, stream, nullptr)) return {};
    return output.ToBytes();
}

bool ImageObject::SaveAdd(const EncoderParameterList& parameters) {
    const EncoderParameterBlock block(parameters);
    return TrackStatus(gdip::GdipSaveAdd(handle_, block.Get()));
}

bool ImageObject::SaveAddImage(const ImageObject& image, const EncoderParameterList& parameters) {
    const EncoderParameterBlock block(parameters);
    return TrackStatus(gdip::GdipSaveAddImage(handle_, image.handle_, block.Get()));
}

bool ImageObject::GetEncoderParameterList(const std::string& format, EncoderParameterList& target) const {
    const CLSID encoder = TextToGuid(EncoderForFormat(format));
    UINT size = 0;
    if (!TrackStatus(gdip::GdipGetEncoderParameterListSize(handle_, &encoder, &size)) || size == 0) return false;
    std::vector<std::uint8_t> block(size);
    auto* list = reinterpret_cast<Gdiplus::EncoderParameters*>(block.data());
    if (!TrackStatus(gdip::GdipGetEncoderParameterList(handle_, &encoder, size, list))) return false;
    const auto* parameters = reinterpret_cast<const Gdiplus::EncoderParameter*>(
        block.data() + offsetof(Gdiplus::EncoderParameters, Parameter));
    target.Parameter.clear();
    for (UINT i = 0; i < list->Count; ++i) {
        const Gdiplus::EncoderParameter& parameter = parameters[i];
        EncoderParameterEntry entry;
        entry.Guid = GuidToText(parameter.Guid);
        entry.NumberOfValues = static_cast<int>(parameter.NumberOfValues);
        entry.Type = static_cast<int>(parameter.Type);
        // The value bytes of each entry follow the entries inside the same block.
        const auto* values = static_cast<const std::uint8_t*>(parameter.Value);
        const std::uint8_t* end = block.data() + block.size();
        if (values >= block.data() && values < end) entry.Values.assign(values, end);
        target.Parameter.push_back(std::move(entry));
    }
    return true;
}

std::string ImageObject::GetRawFormat() const {
    GUID format{};
    if (!TrackStatus(gdip::GdipGetImageRawFormat(handle_, &format))) return {};
    return GuidToText(format);
}

RectF ImageObject::GetBounds(int unit) const {
    RectF bounds;
    Gdiplus::Unit actual = static_cast<Gdiplus::Unit>(unit);
    if (!TrackStatus(gdip::GdipGetImageBounds(handle_, &bounds, &actual))) return RectF();
    return bounds;
}

SizeF ImageObject::GetDimension() const {
    float width = 0, height = 0;
    if (!TrackStatus(gdip::GdipGetImageDimension(handle_, &width, &height))) return SizeF();
    return SizeF(width, height);
}

int ImageObject::GetType() const {
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    TrackStatus(gdip::GdipGetImageType(handle_, &type));
    return static_cast<int>(type);
}

int ImageObject::GetWidth() const {
    UINT width = 0;
    return TrackStatus(gdip::GdipGetImageWidth(handle_, &width)) ? static_cast<int>(width) : 0;
}

int ImageObject::GetHeight() const {
    UINT height = 0;
    return TrackStatus(gdip::GdipGetImageHeight(handle_, &height)) ? static_cast<int>(height) : 0;
}

float ImageObject::GetHorizontalResolution() const {
    float dpi = 0;
    return TrackStatus(gdip::GdipGetImageHorizontalResolution(handle_, &dpi)) ? dpi : 0;
}

float ImageObject::GetVerticalResolution() const {
    float dpi = 0;
    return TrackStatus(gdip::GdipGetImageVerticalResolution(handle_, &dpi)) ? dpi : 0;
}

int ImageObject::GetFlags() const {
    UINT flags = 0;
    return TrackStatus(gdip::GdipGetImageFlags(handle_, &flags)) ? static_cast<int>(flags) : 0;
}

int ImageObject::GetPixelFormat() const {
    Gdiplus::PixelFormat format = 0;
    return TrackStatus(gdip::GdipGetImagePixelFormat(handle_, &format)) ? static_cast<int>(format) : 0;
}

bool ImageObject::GetThumbnail(int width, int height, ImageObject& target) const {
    Gdiplus::GpImage* thumbnail = nullptr;
    const GpStatus status = gdip::GdipGetImageThumbnail(handle_, static_cast<UINT>(width),
                                                        static_cast<UINT>(height), &thumbnail, nullptr, nullptr);
    target.Dispose();
    target.handle_ = status == Gdiplus::Ok ? thumbnail : nullptr;
    return TrackStatus(status);
}

int ImageObject::GetFrameCount(const std::string& dimension) const {
    const GUID guid = TextToGuid(dimension);
    UINT count = 0;
    return TrackStatus(gdip::GdipImageGetFrameCount(handle_, &guid, &count)) ? static_cast<int>(count) : 0;
}

bool ImageObject::GetFrameDimensionsList(std::vector<std::string>& target) const {
    UINT count = 0;
    if (!TrackStatus(gdip::GdipImageGetFrameDimensionsCount(handle_, &count))) return false;
    std::vector<GUID> guids(count);
    if (count > 0 && !TrackStatus(gdip::GdipImageGetFrameDimensionsList(handle_, guids.data(), count))) return false;
    target.clear();
    for (const GUID& guid : guids) target.push_back(GuidToText(guid));
    return true;
}

bool ImageObject::SelectActiveFrame(const std::string& dimension, int index) {
    const GUID guid = TextToGuid(dimension);
    return TrackStatus(gdip::GdipImageSelectActiveFrame(handle_, &guid, static_cast<UINT>(index)));
}

bool ImageObject::GetFrameDelays(std::vector<int>& target) const {
    PropertyItemRecord item;
    if (!GetPropertyItem(kFrameDelayProperty, item)) return false;
    target.assign(item.Value.size() / 4, 0);
    if (!target.empty()) std::memcpy(target.data(), item.Value.data(), target.size() * 4);
    return true;
}

bool ImageObject::GetPropertyItem(int id, PropertyItemRecord& target) const {
    UINT size = 0;
    const PROPID property = static_cast<PROPID>(id);
    if (!TrackStatus(gdip::GdipGetPropertyItemSize(handle_, property, &size)) || size < sizeof(Gdiplus::PropertyItem))
        return false;
    std::vector<std::uint8_t> block(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
    if (!TrackStatus(gdip::GdipGetPropertyItem(handle_, property, size, item))) return false;
    target.Id = static_cast<int>(item->id);
    target.Length = static_cast<int>(item->length);
    target.Type = static_cast<int>(item->type);
    const auto* value = static_cast<const std::uint8_t*>(item->value);
    target.Value = value ? ByteBuffer(value, value + item->length) : ByteBuffer{};
    return true;
}

bool ImageObject::SetPropertyItem(const PropertyItemRecord& item) {
    ByteBuffer value = item.Value;
    Gdiplus::PropertyItem native{};
    native.id = static_cast<PROPID>(item.Id);
    native.length = static_cast<ULONG>(std::min<std::size_t>(static_cast<std::size_t>(std::max(item.Length, 0)), value.size()));
    native.type = static_cast<WORD>(item.Type);
    native.value = value.data();
    return TrackStatus(gdip::GdipSetPropertyItem(handle_, &native));
}

bool ImageObject::RemovePropertyItem(int id) {
    return TrackStatus(gdip::GdipRemovePropertyItem(handle_, static_cast<PROPID>(id)));
}

int ImageObject::GetPropertyIdList(std::vector<int>& target) const {
    UINT count = 0;
    if (!TrackStatus(gdip::GdipGetPropertyCount(handle_, &count))) return 0;
    std::vector<PROPID> ids(count);
    if (count > 0 && !TrackStatus(gdip::GdipGetPropertyIdList(handle_, count, ids.data()))) return 0;
    target.assign(ids.begin(), ids.end());
    return static_cast<int>(count);
}

bool ImageObject::RotateFlip(int type) {
    return TrackStatus(gdip::GdipImageRotateFlip(handle_, static_cast<Gdiplus::RotateFlipType>(type)));
}

bool ImageObject::GetPalette(PaletteRecord& target) const {
    INT size = 0;
    if (!TrackStatus(gdip::GdipGetImagePaletteSize(handle_, &size)) || size < static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
        return false;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size));
    auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(block.data());
    if (!TrackStatus(gdip::GdipGetImagePalette(handle_, palette, size))) return false;
    const auto* entries = reinterpret_cast<const std::uint32_t*>(block.data() + offsetof(Gdiplus::ColorPalette, Entries));
    const std::size_t room = (block.size() - offsetof(Gdiplus::ColorPalette, Entries)) / 4;
    target.Flags = static_cast<int>(palette->Flags);
    target.Entries.assign(entries, entries + std::min<std::size_t>(palette->Count, room));
    return true;
}

bool ImageObject::SetPalette(const PaletteRecord& palette) {
    const std::size_t first = offsetof(Gdiplus::ColorPalette, Entries);
    std::vector<std::uint8_t> block(std::max(sizeof(Gdiplus::ColorPalette), first + palette.Entries.size() * 4));
    auto* native = reinterpret_cast<Gdiplus::ColorPalette*>(block.data());
    native->Flags = static_cast<UINT>(palette.Flags);
    native->Count = static_cast<UINT>(palette.Entries.size());
    if (!palette.Entries.empty()) std::memcpy(block.data() + first, palette.Entries.data(), palette.Entries.size() * 4);
    return TrackStatus(gdip::GdipSetImagePalette(handle_, native));
}

}  // namespace lumbra
