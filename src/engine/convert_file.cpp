#include "engine/convert_file.h"

#include <filesystem>

#include "app/messages.h"
#include "engine/load_dds.h"
#include "engine/output_depth.h"
#include "engine/output_naming.h"
#include "engine/output_writer.h"
#include "engine/steps/color_adjustment.h"
#include "engine/steps/dds_channel_order.h"
#include "engine/steps/flip.h"
#include "engine/steps/frame.h"
#include "engine/steps/greyscale.h"
#include "engine/steps/resize.h"
#include "engine/steps/rotation.h"
#include "engine/steps/threshold.h"
#include "engine/steps/watermark.h"

namespace tavrosine {
namespace {

std::string FailureText(std::string_view message_key, const std::string& path,
                        const std::string& reason) {
  std::string text = FillPlaceholders(LookUpText("Msg", message_key), path);
  if (!reason.empty()) text += " (" + reason + ")";
  return text;
}

}  // namespace

std::string ResolvedPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

ConvertOutcome ConvertFile(const BatchSetup& batch, FileContext& file) {
  const ConversionSettings& settings = batch.settings;
  const JobState& job = batch.job;

  LoadedImage loaded = LoadDds(file.input_file);
  Bitmap image = ApplyDdsChannelOrder(std::move(loaded.image), settings);
  file.loaded_depth = static_cast<int>(Bpp(image));
  if (Width(image) == 0 || Height(image) == 0) {
    const std::string reason = loaded.error.empty() ? "the image is empty" : loaded.error;
    return {false, FailureText("Unable to open file", file.input_file, reason)};
  }
  file.target_depth = job.automatic_depth
                          ? PickAutomaticDepth(job.output_extension, file.loaded_depth)
                          : job.target_depth;

  image = ApplyRotation(std::move(image), settings);
  image = ApplyResize(std::move(image), settings);
  file.output_width = static_cast<int>(Width(image));
  file.output_height = static_cast<int>(Height(image));
  image = ApplyFlip(std::move(image), settings);
  image = ApplyColorAdjustment(std::move(image), settings);
  image = ApplyGreyscale(std::move(image), settings);
  image = ApplyThreshold(std::move(image), settings);
  image = ApplyFrame(std::move(image), settings);
  image = ApplyWatermark(std::move(image), settings,
                         WatermarkContext{file, batch.font, job.output_extension});
  image = ConvertOutputDepth(std::move(image), job.output_extension, file.target_depth);

  file.output_file = BuildOutputPath(job.output_folder, settings.keep_subfolders != 0,
                                     settings.filename_mask, file, job.output_extension);
  if (batch.protected_inputs != nullptr &&
      batch.protected_inputs->contains(ResolvedPath(file.output_file))) {
    return {false, FailureText("Unable to save file", file.output_file,
                               "it would overwrite an input file of this batch")};
  }
  const std::string reason = SaveImageAtomically(image, job.output_freeimage_format,
                                                 job.save_flags, file.output_file);
  if (!reason.empty()) return {false, FailureText("Unable to save file", file.output_file, reason)};
  return {true, {}};
}

}  // namespace tavrosine
