#pragma once
// Pairing the lines of HASHV.txt with the standard files present, by content. The manifest
// names no files: its lines are the digests of the files that were there when it was
// written, in processing order. Each line therefore stands for one place of that order,
// the places growing from line to line; the pairing chosen is the one that gives the most
// lines their own file's content (the longest common subsequence of the two ordered lists),
// then the most lines a present file to be compared with.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "layout/UGlobal.h"

namespace validador {

enum class Achado { Ok, Alterado, Trocado, Ausente, SemHash };

// One line of the audit's result, in processing order.
struct Conferido {
  Achado achado = Achado::Ok;
  // Ok, Alterado, Trocado, SemHash: the file present at this place.
  std::optional<RecordTypeIndex> file;
  // The manifest line (0-based) paired with the file, or the line left over (Ausente).
  std::optional<std::size_t> line;
  // Ausente: the standard file whose place the line held, when the manifest tells it.
  std::optional<RecordTypeIndex> lineFile;
  // Trocado: the line whose content the file holds, and the standard file of its place
  // when the manifest tells it.
  std::size_t contentLine = 0;
  std::optional<RecordTypeIndex> contentOf;
};

// The digest of each standard file present, by place in processing order (I, A, B, C, E,
// O, T, Y); nullopt where the folder has no such file.
using DigestsByPlace = std::array<std::optional<std::string>, kRecordTypeCount>;

// Pairs the manifest's lines (at most eight, uppercase digests) with the files present:
// - a line equal to the digest of the file of its place: Ok;
// - between two such pairs, lines and files left over are paired in order: Alterado;
// - a line still left over: Ausente, named by the place when only one place fits it
//   (eight lines are the eight places; a gap holding as many lines as places);
// - a file still left over: SemHash;
// - a file, paired or not, whose content is another line's: Trocado.
std::vector<Conferido> PairManifest(const std::vector<std::string>& lines, const DigestsByPlace& files);

// How many (line, file) pairs have the same digest, whatever their places: what tells one
// algorithm from another.
std::size_t MatchingPairs(const std::vector<std::string>& lines, const DigestsByPlace& files);

}  // namespace validador
