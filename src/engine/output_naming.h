#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/file_context.h"

namespace tavrosine {

// The extension part of a path: the text after the last dot of its last component.
// "" when the component has no dot, starts with its only dot, or has a space after the dot.
std::string ExtensionPart(std::string_view path);
// A file name without its extension part and the dot before it (photo.final.dds → photo.final).
std::string StripExtension(std::string_view name);
// The last component of a path (after the last '/' or '\\').
std::string_view FileNamePart(std::string_view path);
// Everything up to and including the last '/' or '\\'; "" when there is none.
std::string_view FolderPart(std::string_view path);

// The mask placeholders, in the order they are expanded.
std::span<const std::string_view> MaskPlaceholders();

// The value a placeholder stands for, for this file and output extension.
std::string PlaceholderValue(std::string_view placeholder, const FileContext& file,
                             std::string_view output_extension);

// Replaces every placeholder found in `text` (without regard to case), in order. Values
// inserted earlier are searched by later placeholders.
std::string ExpandPlaceholders(std::string text, const FileContext& file,
                               std::string_view output_extension);

// The output file name: the mask lower-cased, "%filename%.%ext%" when empty, expanded.
std::string BuildOutputFileName(std::string_view mask, const FileContext& file,
                                std::string_view output_extension);

// Output folder, then the file's sub-path when sub-folders are kept, then the name.
std::string BuildOutputPath(std::string_view output_folder, bool keep_subfolders,
                            std::string_view mask, const FileContext& file,
                            std::string_view output_extension);

}  // namespace tavrosine
