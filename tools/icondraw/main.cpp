// icondraw: renders icon sources (text: "image 32 4bpp", then fill/rect/line/disc/poly/pixels... lines) into
// .ico files and galleries. The command line: reading and writing files.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "icondraw.h"

namespace {

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return static_cast<bool>(out);
}

bool Load(const std::string& path, icondraw::IconSource* icon) {
  std::string text, error;
  if (!ReadFile(path, &text)) {
    std::cerr << "icondraw: cannot read " << path << "\n";
    return false;
  }
  if (!icondraw::ParseIconSource(text, path, icon, &error) ||
      !icondraw::DrawAtScale(text, path, icon, &error)) {
    std::cerr << error << "\n";
    return false;
  }
  return true;
}

int Usage() {
  std::cerr << "usage: icondraw SOURCE.icon OUTPUT.ico\n"
               "       icondraw --gallery OUTPUT.ppm [--scale N] [--columns N] SOURCE.icon...\n";
  return 2;
}

int RenderGalleryFile(int argc, char** argv) {
  std::string output = argv[2];
  int scale = 3, columns = 8;
  std::vector<icondraw::GalleryItem> items;
  for (int i = 3; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--scale" || arg == "--columns") && i + 1 < argc) {
      int value = std::atoi(argv[++i]);
      if (value < 1 || value > 16) return Usage();
      (arg == "--scale" ? scale : columns) = value;
      continue;
    }
    icondraw::GalleryItem item;
    item.label = icondraw::LabelFromFileName(arg);
    if (!Load(arg, &item.icon)) return 1;
    items.push_back(item);
  }
  if (items.empty()) return Usage();
  if (!WriteFile(output, icondraw::EncodePpm(icondraw::RenderGallery(items, scale, columns)))) {
    std::cerr << "icondraw: cannot write " << output << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--gallery") == 0) return RenderGalleryFile(argc, argv);
  if (argc != 3) return Usage();
  icondraw::IconSource icon;
  if (!Load(argv[1], &icon)) return 1;
  if (!WriteFile(argv[2], icondraw::WriteIco(icon))) {
    std::cerr << "icondraw: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
