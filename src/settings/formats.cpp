#include "settings/formats.h"

#include <algorithm>

#include "app/text.h"

namespace tavrosine {
namespace {

constexpr OutputFormat kOutputFormats[] = {
    {"bmp", 0, "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", 29, "ILM OpenEXR", "96"},
    {"gif", 25, "Graphics Interchange Format", "8"},
    {"hdr", 26, "High Dynamic Range Image", "96"},
    {"ico", 1, "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", 30, "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", 3, "JPEG Network Graphics", "24,32"},
    {"jp2", 31, "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", 2, "JPEG File Format", "8,24"},
    {"jxr", 36, "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", 7, "Portable Bitmap", "1"},
    {"pfm", 32, "Portable Floatmap", "96"},
    {"pgm", 11, "Portable Greymap", "8"},
    {"png", 13, "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", 14, "Portable Pixelmap", "24,48"},
    {"tga", 17, "Truevision Targa", "8,16,24,32"},
    {"tiff", 18, "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", 19, "Wireless Bitmap", "1"},
    {"webp", 35, "Google WebP Image Format", "24,32"},
    {"xpm", 23, "X11 Pixmap Format", "24"},
};

std::vector<InputFormat> BuildInputFormats() {
  struct Group {
    std::string_view key;
    std::string_view extensions;
    std::string_view description;
  };
  static constexpr Group kGroups[] = {
      {"bmp", "bmp,rle,dib", "Windows or OS/2 Bitmap"},
      {"dds", "dds", "DirectDraw Surface File"},
      {"emf", "emf,emz", "Enhanced Metafile Format"},
      {"gif", "gif", "GIF File"},
      {"hdr", "hdr,hdri", "High Dynamic Range File"},
      {"ico", "ico", "Windows Icon"},
      {"jpg", "jpg,jpeg,jpe,jif", "JPEG File"},
      {"pcd", "pcd,pcd1,pcds,ppcd", "Kodak PhotoCD File"},
      {"pcx", "pcx", "ZSoft Paintbrush File"},
      {"pic", "pic,pict,pct", "Macintosh PICT"},
      {"png", "png", "Portable Network Graphics"},
      {"psd", "psd", "Adobe Photoshop File"},
      {"tga", "tga,targa", "Truevision Targa"},
      {"tiff", "tiff,tif", "Tagged Image File Format"},
      {"wmf", "wmf,wmz", "Windows Metafile Format"},
      {"wmf", "apm", "Aldus Placeable Metafile"},
      {"raw", "raw,raw1,raw2", "Camera RAW Image"},
      {"raw", "3fr", "Hasselblad Camera RAW Image"},
      {"raw", "arw,sr2,srf", "Sony Camera RAW Image"},
      {"raw", "bay", "Casio Camera RAW Image"},
      {"raw", "bmq", "NuCore RAW Image"},
      {"raw", "cap,iiq,eip", "Phase One Camera RAW Image"},
      {"raw", "cine", "Phantom RAW Image"},
      {"raw", "cr2,crw", "Canon Camera RAW Image"},
      {"raw", "cs1", "Capture Shop RAW Image"},
      {"raw", "dc2,dcr,drf,dsc,k25,kc2,kdc,dcs", "Kodak Camera RAW Image"},
      {"raw", "dng", "Adobe Digital Negative Image"},
      {"raw", "erf", "Epson Camera RAW Image"},
      {"raw", "fff", "Imacon Camera RAW Image"},
      {"raw", "ia,sti", "Sinar RAW Image"},
      {"raw", "mdc,mrw", "Minolta Camera RAW Image"},
      {"raw", "mef,mos", "Mamiya Camera RAW Image"},
      {"raw", "nef,nrw", "Nikon Camera RAW Image"},
      {"raw", "orf", "Olympus Camera RAW Image"},
      {"raw", "pef,ptx", "Pentax Camera RAW Image"},
      {"raw", "pxn", "Logitech Camera RAW Image"},
      {"raw", "qtk", "Apple Quicktake Camera RAW Image"},
      {"raw", "raf", "Fuji Camera RAW Image"},
      {"raw", "rdc", "Digital Foto Maker RAW Image"},
      {"raw", "rw2", "Panasonic Camera RAW Image"},
      {"raw", "rwz", "Rawzor Camera RAW Image"},
      {"raw", "x3f", "Sigma Camera RAW Image"},
      {"raw", "ari", "ARRI RAW Image"},
      {"raw", "r3d", "RED RAW Image"},
      {"raw", "rwl", "Leica Camera RAW Image"},
  };
  std::vector<InputFormat> rows;
  for (const Group& group : kGroups) {
    std::string_view rest = group.extensions;
    while (!rest.empty()) {
      const size_t comma = rest.find(',');
      rows.push_back({group.key, rest.substr(0, comma), group.description});
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
  }
  return rows;
}

}  // namespace

std::span<const OutputFormat> OutputFormats() { return kOutputFormats; }

std::span<const InputFormat> InputFormats() {
  static const std::vector<InputFormat> rows = BuildInputFormats();
  return rows;
}

const OutputFormat* FindOutputFormat(std::string_view extension) {
  for (const OutputFormat& format : OutputFormats()) {
    if (format.extension == extension) return &format;
  }
  return nullptr;
}

const InputFormat* FindInputFormat(std::string_view extension) {
  for (const InputFormat& format : InputFormats()) {
    if (format.extension == extension) return &format;
  }
  return nullptr;
}

bool IsEnabledOutputFormat(std::string_view extension) {
  return std::ranges::find(kOutputExtensions, extension) != std::end(kOutputExtensions);
}

std::vector<int> DepthList(std::string_view extension) {
  std::vector<int> depths;
  const OutputFormat* format = FindOutputFormat(extension);
  if (format == nullptr) return depths;
  std::string_view rest = format->depths;
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    depths.push_back(ParseLenientInt32(rest.substr(0, comma)));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return depths;
}

bool IsAllowedDepth(std::string_view extension, int depth) {
  if (depth == 0) return true;
  const std::vector<int> depths = DepthList(extension);
  return std::ranges::find(depths, depth) != depths.end();
}

std::string OutputFormatTitle(std::string_view extension, bool with_description) {
  std::string title = ToUpperAscii(extension);
  const OutputFormat* format = FindOutputFormat(extension);
  if (with_description && format != nullptr) {
    title += " (" + std::string(format->description) + ")";
  }
  return title;
}

std::vector<std::string> AcceptedInputExtensions() {
  std::vector<std::string> accepted;
  for (const std::string_view key : kInputExtensions) {
    for (const InputFormat& format : InputFormats()) {
      if (format.format_key == key) accepted.emplace_back(format.extension);
    }
  }
  return accepted;
}

}  // namespace tavrosine
