#include "engine/convert_file.h"

#include <cctype>

#include "app/messages.h"
#include "app/text.h"
#include "engine/image_encoder.h"
#include "engine/load_dds.h"
#include "engine/output_depth.h"
#include "engine/output_naming.h"
#include "engine/steps/color_adjustment.h"
#include "engine/steps/dds_channel_order.h"
#include "engine/steps/flip.h"
#include "engine/steps/frame.h"
#include "engine/steps/greyscale.h"
#include "engine/steps/resize.h"
#include "engine/steps/rotation.h"
#include "engine/steps/threshold.h"
#include "engine/steps/watermark.h"
#include "platform/atomic_file.h"

namespace tavrosine {
namespace {

// "Unable to open the file: x.dds! (truncated: …)": the reason reads as a clause of the line.
std::string FailureText(std::string_view message_key, const std::string& path,
                        std::string reason) {
  std::string text = FillPlaceholders(LookUpText("Msg", message_key), path);
  while (!reason.empty() && (reason.back() == '.' || reason.back() == '\n')) reason.pop_back();
  if (reason.size() > 1 && std::isupper(static_cast<unsigned char>(reason[0])) &&
      std::islower(static_cast<unsigned char>(reason[1]))) {
    reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
  }
  if (!reason.empty()) text += " (" + reason + ")";
  return text;
}

// The steps after the frame: watermark, output depth, encoding.
void FinishAndEncode(const BatchSetup& batch, PreparedFile& prepared, Bitmap image) {
  const JobState& job = batch.job;
  image = ApplyWatermark(std::move(image), batch.settings,
                         WatermarkContext{prepared.file, batch.font, job.output_extension});
  image = ConvertOutputDepth(std::move(image), job.output_extension, prepared.file.target_depth);
  const std::string error =
      EncodeImage(image, job.output_freeimage_format, job.save_flags, prepared.encoded);
  // The file is named later; the message gets its path then.
  if (!error.empty()) prepared.failure = error;
}

}  // namespace

bool WatermarkDependsOnPosition(const ConversionSettings& settings) {
  return settings.do_watermark == kWatermarkText &&
         (ContainsIgnoringCase(settings.wm_text, "%n%") ||
          ContainsIgnoringCase(settings.wm_text, "%rnd%"));
}

void PrepareFile(const BatchSetup& batch, PreparedFile& prepared) {
  const ConversionSettings& settings = batch.settings;
  const JobState& job = batch.job;
  FileContext& file = prepared.file;

  // A JPEG cannot hold alpha and every step keeps colour apart from alpha, so textures
  // with alpha may load straight as 24-bit colour: the same pixels, one conversion fewer.
  LoadedImage loaded = LoadDds(file.input_file, /*colour_only=*/job.output_extension == "jpg");
  Bitmap image = ApplyDdsChannelOrder(std::move(loaded.image), settings);
  file.loaded_depth = image ? loaded.loaded_depth : 0;
  if (Width(image) == 0 || Height(image) == 0) {
    const std::string reason = loaded.error.empty() ? "the image is empty" : loaded.error;
    prepared.failure = FailureText("Unable to open file", file.input_file, reason);
    return;
  }
  prepared.loaded = true;
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
  if (WatermarkDependsOnPosition(settings)) {
    prepared.image = std::move(image);
  } else {
    FinishAndEncode(batch, prepared, std::move(image));
  }
}

bool CommitFile(const BatchSetup& batch, PreparedFile& prepared, int counter, int random_number) {
  if (!prepared.loaded) return false;
  const JobState& job = batch.job;
  FileContext& file = prepared.file;
  file.counter = counter;
  file.random_number = random_number;
  if (prepared.image) FinishAndEncode(batch, prepared, std::move(prepared.image));

  file.output_file = BuildOutputPath(job.output_folder, batch.settings.keep_subfolders != 0,
                                     batch.settings.filename_mask, file, job.output_extension);
  std::string reason = prepared.failure;
  const std::optional<FileIdentity> existing = IdentityOf(file.output_file);
  if (reason.empty() && existing && batch.protected_inputs != nullptr &&
      batch.protected_inputs->contains(*existing)) {
    reason = "it would overwrite an input file of this batch";
  }
  if (reason.empty()) reason = WriteFileAtomically(file.output_file, prepared.encoded);
  prepared.encoded = {};
  if (reason.empty()) return true;
  prepared.failure = FailureText("Unable to save file", file.output_file, reason);
  return false;
}

}  // namespace tavrosine
