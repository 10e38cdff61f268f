#pragma once
// Records that images hand in and out: encoders, encoder parameters, property items, palettes.
// GUIDs travel as text in registry form: "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}".
#include "draw/byte_buffer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumbra {

struct EncoderInfo {
    std::string Clsid;
    std::string FormatID;
    std::string CodecName;
    std::string DllName;
    std::string FormatDescription;
    std::string FilenameExtension;
    std::string MimeType;
    int Flags = 0;
    int Version = 0;
    int SigCount = 0;
    int SigSize = 0;
    ByteBuffer SigPattern;
    ByteBuffer SigMask;
};

struct EncoderParameterEntry {
    std::string Guid;        // the parameter category
    int NumberOfValues = 0;
    int Type = 0;            // the library's EncoderParameterValueType
    ByteBuffer Values;
};

struct EncoderParameterList {
    std::vector<EncoderParameterEntry> Parameter;
};

struct PropertyItemRecord {
    int Id = 0;
    int Length = 0;          // of Value, in bytes
    int Type = 0;
    ByteBuffer Value;
};

struct PaletteRecord {
    int Flags = 0;
    std::vector<std::uint32_t> Entries;  // ARGB
};

// Raw formats and frame dimensions the program names.
inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kGifFormat = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kFrameDimensionTime = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
inline constexpr const char* kFrameDimensionPage = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";

}  // namespace lumbra
