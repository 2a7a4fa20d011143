#include "ui/PictureFile.h"

#include "core/Abort.h"

std::optional<std::string> AskPicturePath(forms::Platform& platform, const std::string& defaultName,
                                          bool addExtension) {
  forms::FileDialogOptions options;
  options.defaultName = defaultName;
  if (addExtension) options.defaultExt = "bmp";
  options.filter = "Obrázek  (*.bmp)|*.bmp";
  options.overwritePrompt = true;
  options.initialDir = platform.ProgramFolder();
  return platform.SaveFileDialog(options);
}

void WritePicture(forms::Platform& platform, const forms::Canvas& picture,
                  const std::string& path) {
  if (!platform.SavePicture(picture, path)) {
    ShowMessageAbort("Obrázek nelze uložit do souboru " + path + ".");
  }
}
