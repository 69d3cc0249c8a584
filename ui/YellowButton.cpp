#include "ui/YellowButton.h"

#include "net/CodePage.h"
#include "ui/Pictures.h"
#include "ui/toolkit/Controls.h"

namespace zonivo {

PictureButton* MakeYellowButton(QWidget* parent, const char* name, QRect place,
                                const char* captionUtf8) {
  const Text caption = FromUtf8(captionUtf8);
  return MakePictureButton(parent, name, place, captionUtf8,
                           YellowButton(place.size(), caption, false),
                           YellowButton(place.size(), caption, true));
}

}  // namespace zonivo
