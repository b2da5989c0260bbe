// A project input from tests/golden, read as opening takes it, but without
// the replot: the tests that use it give point lists a header whose first
// point is entry 0, as the replot would set it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boundary/program_state.h"
#include "doubles/golden.h"
#include "formats/project_file.h"

namespace tw::test {

struct GoldenProject {
  ProgramState state;
  std::vector<std::string> entries;
};

inline GoldenProject LoadGoldenProject(const std::string& name) {
  GoldenProject project;
  const Result<ProjectFile> file = ParseProjectFile(ReadGolden(name));
  EXPECT_TRUE(file) << name << ": " << (file ? "" : file.error());
  if (!file || !file->header)
    return project;
  project.state.FirstPointX = file->header->FirstPointX;
  project.state.FirstPointY = file->header->FirstPointY;
  project.state.UnitAbbrev = file->header->UnitAbbrev;
  project.state.EntryMode = file->header->EntryMode;
  project.entries = file->entries;
  return project;
}

}  // namespace tw::test
