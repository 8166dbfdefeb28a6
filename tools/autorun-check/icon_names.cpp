// The pictures of the launcher's 26 menu icons, as the authoring guide names them.
#include "icon_names.h"

namespace check {

namespace {
const char* const kPictures[kLastIcon] = {
    "a compact disc",
    "a photo camera",
    "a compact disc with a printed label",
    "a video camera with two tape cassettes",
    "a film reel with a strip of film",
    "a drive front with its slot",
    "a teal diskette",
    "a dark red diskette",
    "a blue diskette with a written label",
    "a text page with a small house (a home page)",
    "an island with a palm tree under the sun",
    "a sunset over the sea",
    "a city skyline at night",
    "gray mountains with birds",
    "a framed landscape with mountains and a lake",
    "yellow hills with birds under a blue sky",
    "fir trees in snow",
    "a globe on a stand",
    "the Earth",
    "a lighthouse inside a ring of light",
    "a ship's wheel",
    "a newspaper page with a large letter N",
    "the Earth behind a text page",
    "a text page with a globe (a web page)",
    "a portrait painting in a gilt frame",
    "a hanging framed picture of flowers",
};
}  // namespace

const char* IconPicture(int n) {
  if (n < kFirstIcon || n > kLastIcon) return nullptr;
  return kPictures[n - kFirstIcon];
}

}  // namespace check
