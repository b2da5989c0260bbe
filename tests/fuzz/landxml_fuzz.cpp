// The LandXML reader: whatever parcel it imports is saved as a project file
// that opens to the same entries, and exported as a file that reads back as
// one parcel, closed unless refused.
#include "formats/project_file.h"
#include "fuzz/fuzz_check.h"
#include "landxml/landxml_reader.h"
#include "landxml/landxml_writer.h"
#include "landxml/parcel_boundary.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Result<LandXmlFile> file = ReadLandXml(fuzz::Text(data, size));
  if (!file)
    return 0;
  for (const Parcel& parcel : file->parcels) {
    const Result<ParcelBoundary> b = BoundaryOfParcel(parcel, file->units, file->epsg);
    if (!b)
      continue;
    ProgramState state;
    state.FirstPointX = b->header.FirstPointX;
    state.FirstPointY = b->header.FirstPointY;
    state.UnitAbbrev = b->header.UnitAbbrev;
    state.EntryMode = b->header.EntryMode;
    const Result<ProjectFile> back = ParseProjectFile(ProjectFileBytes(state, b->entries));
    FUZZ_CHECK(back && back->entries == b->entries);
    const Result<std::string> exported = LandXmlBytes(b->entries, state, {"Lot", StampOf("0", 0)});
    if (!exported)
      continue;
    const Result<LandXmlFile> again = ReadLandXml(*exported);
    // Fifteen digits can lose a small curve far from the origin, which is
    // then refused; anything the reader takes must close.
    FUZZ_CHECK(again && again->parcels.size() == 1 &&
               (again->parcels[0].closed || again->parcels[0].refusal));
  }
  return 0;
}
