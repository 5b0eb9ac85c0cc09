#pragma once
// The error listing on its way to disk: rows are written out as they are found, so a
// delivery with millions of faults costs no more memory than one with a few. Each file's
// rows about the whole file come first, as in a listing held in memory, though they are
// known only after its lines: the lines' rows wait in a second file until then.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ScratchFile.h"
#include "validation/listing/ListingText.h"

namespace validador {

class ListingSpool {
 public:
  // Files for the work in `folder` (the listing's own folder). `maxRows`: rows a file
  // keeps at most, 0 for all. Throws EInOutError naming the folder.
  ListingSpool(ListingFormat format, const std::string& folder, std::int64_t maxRows);

  // A row of one of the current file's lines; the lines' rows come after the file's own.
  void LineRow(std::string_view arquivo, const ListingRow& row);
  // A row about the whole current file.
  void FileRow(std::string_view arquivo, const ListingRow& row);
  // Ends the current file: its first `lineRowsKept` line rows follow its own rows, then
  // its summary with `listed` rows listed.
  void EndFile(const FileListing& file, std::int64_t lineRowsKept, std::int64_t listed);

  // The whole listing, piece by piece, from its header on.
  void Produce(const std::function<void(std::string_view)>& write);

 private:
  ListingFormat format_;
  std::int64_t maxRows_;
  platform::ScratchFile listing_;   // the files done
  platform::ScratchFile lines_;     // the current file's line rows
  std::vector<std::uint64_t> lineRowEnds_;  // where each line row ends, while a cap may cut them
  std::string row_;
};

}  // namespace validador
