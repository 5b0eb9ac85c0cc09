#include "validation/manifest/ManifestPairing.h"

#include <algorithm>
#include <limits>

namespace validador {
namespace {

constexpr int kPlaces = kRecordTypeCount;
constexpr int kImpossible = std::numeric_limits<int>::min() / 2;
// A line given its own file's content outweighs any number of lines merely compared.
constexpr int kMatchWeight = 16;

bool Same(const std::optional<std::string>& file, const std::string& line) {
  return file.has_value() && *file == line;
}

// The place (0..7) each line stands for: the most lines with their own file's content,
// then the most lines with a file to be compared with; where both leave a choice, lines
// take the earliest places, so that leftovers pair in order.
std::vector<int> PlacesOfLines(const std::vector<std::string>& lines, const DigestsByPlace& files) {
  const std::size_t count = lines.size();
  // best[i][k]: the score of the first i lines standing for places among the first k.
  std::vector<std::array<int, kPlaces + 1>> best(count + 1);
  best[0].fill(0);
  for (std::size_t i = 1; i <= count; ++i) {
    best[i][0] = kImpossible;
    for (int k = 1; k <= kPlaces; ++k) {
      const int weight = Same(files[k - 1], lines[i - 1]) ? kMatchWeight + 1 : files[k - 1] ? 1 : 0;
      const int taking = best[i - 1][k - 1] == kImpossible ? kImpossible : best[i - 1][k - 1] + weight;
      best[i][k] = std::max(best[i][k - 1], taking);
    }
  }
  std::vector<int> places(count, -1);
  std::size_t i = count;
  for (int k = kPlaces; i > 0; --k) {
    if (best[i][k] == best[i][k - 1]) continue;
    places[--i] = k - 1;
  }
  return places;
}

// For each line, the place it certainly held: a line with its own file's content, or a
// line in a stretch between two of those that holds as many lines as places.
std::vector<std::optional<int>> KnownPlaces(const std::vector<std::string>& lines,
                                            const DigestsByPlace& files, const std::vector<int>& places) {
  const std::size_t count = lines.size();
  std::vector<std::optional<int>> known(count);
  std::size_t gapStart = 0;  // first line after the last matched one
  int placeAfter = 0;        // first place after it
  for (std::size_t i = 0; i <= count; ++i) {
    const bool matched = i < count && Same(files[places[i]], lines[i]);
    if (i < count && !matched) continue;
    const int placeEnd = i < count ? places[i] : kPlaces;
    if (static_cast<int>(i - gapStart) == placeEnd - placeAfter) {
      for (std::size_t j = gapStart; j < i; ++j) known[j] = places[j];
    }
    if (i < count) {
      known[i] = places[i];
      gapStart = i + 1;
      placeAfter = places[i] + 1;
    }
  }
  return known;
}

std::optional<RecordTypeIndex> TypeAt(const std::optional<int>& place) {
  if (!place) return std::nullopt;
  return kProcessingOrder[static_cast<std::size_t>(*place)];
}

// A file that holds the content of another line than the one it is paired with.
void MarkSwapped(Conferido& entry, const std::string& digest, const std::vector<std::string>& lines,
                 const std::vector<std::optional<int>>& known) {
  for (std::size_t j = 0; j < lines.size(); ++j) {
    if (lines[j] != digest || (entry.line && *entry.line == j)) continue;
    entry.achado = Achado::Trocado;
    entry.contentLine = j;
    entry.contentOf = TypeAt(known[j]);
    return;
  }
}

}  // namespace

std::vector<Conferido> PairManifest(const std::vector<std::string>& lines, const DigestsByPlace& files) {
  const std::vector<int> places = PlacesOfLines(lines, files);
  const std::vector<std::optional<int>> known = KnownPlaces(lines, files, places);
  std::array<std::optional<std::size_t>, kPlaces> lineAt;
  for (std::size_t i = 0; i < lines.size(); ++i) lineAt[places[i]] = i;

  std::vector<Conferido> result;
  for (int place = 0; place < kPlaces; ++place) {
    const std::optional<std::string>& digest = files[place];
    const std::optional<std::size_t> line = lineAt[place];
    if (!digest && !line) continue;
    Conferido entry;
    entry.line = line;
    if (!digest) {
      entry.achado = Achado::Ausente;
      entry.lineFile = TypeAt(known[*line]);
    } else {
      entry.file = kProcessingOrder[static_cast<std::size_t>(place)];
      entry.achado = !line ? Achado::SemHash : *digest == lines[*line] ? Achado::Ok : Achado::Alterado;
      if (entry.achado != Achado::Ok) MarkSwapped(entry, *digest, lines, known);
    }
    result.push_back(entry);
  }
  return result;
}

std::size_t MatchingPairs(const std::vector<std::string>& lines, const DigestsByPlace& files) {
  std::size_t pairs = 0;
  for (const std::string& line : lines) {
    pairs += static_cast<std::size_t>(std::count_if(
        files.begin(), files.end(), [&](const std::optional<std::string>& file) { return Same(file, line); }));
  }
  return pairs;
}

}  // namespace validador
