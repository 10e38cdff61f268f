#pragma once
// A picture of the library: loaded from a file or from bytes, measured, saved with an
// encoder, its frames and property items read.
#include "draw/byte_buffer.h"
#include "draw/gdip.h"
#include "draw/image_records.h"
#include "draw/memory_stream_object.h"

#include <optional>
#include <string>
#include <vector>

namespace lumbra {

class ImageObject : public DrawingObject<Gdiplus::GpImage, gdip::GdipDisposeImage> {
public:
    ImageObject() = default;
    virtual ~ImageObject() { Dispose(); }
    ImageObject(ImageObject&&) noexcept = default;
    ImageObject& operator=(ImageObject&&) noexcept = default;

    // Releases the picture, then the stream it was read from.
    bool Dispose();
    void SetNativeHandle(Gdiplus::GpImage* handle) {
        if (handle != handle_) Dispose();
        handle_ = handle;
    }

    virtual bool LoadFromFile(const std::string& path, std::optional<bool> useIcm = std::nullopt);
    virtual bool LoadFromFileW(const std::wstring& path, std::optional<bool> useIcm = std::nullopt);
    // Keeps a private copy of the bytes for as long as the picture lives.
    virtual bool LoadFromBytes(const ByteBuffer& bytes, std::optional<bool> useIcm = std::nullopt);
    bool Clone(ImageObject& target) const;

    // format: a raw-format GUID text, the picture's own when not given.
    bool SaveToFile(const std::string& path, std::optional<std::string> format = std::nullopt,
                    const std::optional<EncoderParameterList>& parameters = std::nullopt) const;
    bool SaveToFileW(const std::wstring& path, std::optional<std::string> format = std::nullopt,
                     const std::optional<EncoderParameterList>& parameters = std::nullopt) const;
    // Empty when encoding fails.
    ByteBuffer SaveToBytes(std::optional<std::string> format = std::nullopt,
                           const std::optional<EncoderParameterList>& parameters = std::nullopt) const;
    bool SaveAdd(const EncoderParameterList& parameters);
    bool SaveAddImage(const ImageObject& image, const EncoderParameterList& parameters);
    bool GetEncoderParameterList(const std::string& format, EncoderParameterList& target) const;

    std::string GetRawFormat() const;
    RectF GetBounds(int unit) const;
    SizeF GetDimension() const;
    int GetType() const;
    int GetWidth() const;
    int GetHeight() const;
    float GetHorizontalResolution() const;
    float GetVerticalResolution() const;
    int GetFlags() const;
    int GetPixelFormat() const;
    bool GetThumbnail(int width, int height, ImageObject& target) const;

    int GetFrameCount(const std::string& dimension) const;
    bool GetFrameDimensionsList(std::vector<std::string>& target) const;
    bool SelectActiveFrame(const std::string& dimension, int index);
    // One delay per frame in hundredths of a second; false (target untouched) for a still picture.
    bool GetFrameDelays(std::vector<int>& target) const;
    bool GetPropertyItem(int id, PropertyItemRecord& target) const;
    bool SetPropertyItem(const PropertyItemRecord& item);
    bool RemovePropertyItem(int id);
    int GetPropertyIdList(std::vector<int>& target) const;

    bool RotateFlip(int type);
    bool GetPalette(PaletteRecord& target) const;
    bool SetPalette(const PaletteRecord& palette);

protected:
    bool SaveWith(const std::optional<std::string>& format, const std::optional<EncoderParameterList>& parameters,
                  IStream* stream, const std::wstring* path) const;

    MemoryStreamObject stream_;
};

}  // namespace lumbra
