#include "validation/listing/ListingSpool.h"

namespace validador {

ListingSpool::ListingSpool(ListingFormat format, const std::string& folder, std::int64_t maxRows)
    : format_(format), maxRows_(maxRows), listing_(folder), lines_(folder) {}

void ListingSpool::LineRow(std::string_view arquivo, const ListingRow& row) {
  row_.clear();
  AppendListingRow(format_, row_, arquivo, row);
  lines_.Append(row_);
  if (maxRows_ > 0) lineRowEnds_.push_back(lines_.Size());
}

void ListingSpool::FileRow(std::string_view arquivo, const ListingRow& row) {
  row_.clear();
  AppendListingRow(format_, row_, arquivo, row);
  listing_.Append(row_);
}

void ListingSpool::EndFile(const FileListing& file, std::int64_t lineRowsKept, std::int64_t listed) {
  std::uint64_t end = lines_.Size();
  if (maxRows_ > 0) {
    const auto kept = static_cast<std::size_t>(lineRowsKept);
    end = kept == 0 ? 0 : kept < lineRowEnds_.size() ? lineRowEnds_[kept - 1] : end;
  }
  lines_.Read(0, end, [this](std::string_view piece) { listing_.Append(piece); });
  lines_.Clear();
  lineRowEnds_.clear();
  row_.clear();
  AppendListingSummary(format_, row_, file, listed);
  listing_.Append(row_);
}

void ListingSpool::Produce(const std::function<void(std::string_view)>& write) {
  write(ListingHeader(format_));
  listing_.Read(0, listing_.Size(), write);
}

}  // namespace validador
