// Where the corpus of real-world autorun.inf files is: the folder that AUTORUN_CORPUS_DIR
// names, else shared/corpus/autorun-inf beside the repository. A clone of the repository
// alone has neither: the cases that read the corpus then skip and say how to run them.
#pragma once
#include <dirent.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

inline std::string CorpusDir() {
  const char* dir = getenv("AUTORUN_CORPUS_DIR");
  return dir && *dir ? dir : CORPUS_DIR;
}

inline bool CorpusPresent() {
  DIR* dir = opendir(CorpusDir().c_str());
  if (dir) closedir(dir);
  return dir != nullptr;
}

#define SKIP_WITHOUT_CORPUS()                                                                          \
  if (!CorpusPresent())                                                                                \
  GTEST_SKIP() << "no corpus of real autorun.inf files at " << CorpusDir()                             \
               << "; set AUTORUN_CORPUS_DIR to the project's shared/corpus/autorun-inf folder to run " \
                  "this case"
