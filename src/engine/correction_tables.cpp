#include "engine/correction_tables.h"

#include <span>
#include <utility>

namespace engine {

// The stored pieces, one per line (kept unwrapped).
// clang-format off
constexpr std::array<std::string_view, 21> kNewMoonCorrections = {
    "EqoFscDcrFpmEsF2DfFideFelFpFfFfFiaipqti1ksttikptikqckstekqttgkqttgkqteksttikptikq2fjstgjqttjkqttgkqt",
    "ekstfkptikq2tijstgjiFkirFsAeACoFsiDaDiADc1AFbBfgdfikijFifegF1FhaikgFag1E2btaieeibggiffdeigFfqDfaiBkF",
    "1kEaikhkigeidhhdiegcFfakF1ggkidbiaedksaFffckekidhhdhdikcikiakicjF1deedFhFccgicdekgiFbiaikcfi1kbFibef",
    "gEgFdcFkFeFkdcfkF1kfkcickEiFkDacFiEfbiaejcFfffkhkdgkaiei1ehigikhdFikfckF1dhhdikcfgjikhfjicjicgiehdik",
    "cikggcifgiejF1jkieFhegikggcikFegiegkfjebhigikggcikdgkaFkijcfkcikfkcifikiggkaeeigefkcdfcfkhkdgkegieid",
    "hijcFfakhfgeidieidiegikhfkfckfcjbdehdikggikgkfkicjicjF1dbidikFiggcifgiejkiegkigcdiegfggcikdbgfgefjF1",
    "kfegikggcikdgFkeeijcfkcikfkekcikdgkabhkFikaffcfkhkdgkegbiaekfkiakicjhfgqdq2fkiakgkfkhfkfcjiekgFebicg",
    "gbedF1jikejbbbiakgbgkacgiejkijjgigfiakggfggcibFifjefjF1kfekdgjcibFeFkijcfkfhkfkeaieigekgbhkfikidfcje",
    "aibgekgdkiffiffkiakF1jhbakgdki1dj1ikfkicjicjieeFkgdkicggkighdF1jfgkgfgbdkicggfggkidFkiekgijkeigfiski",
    "ggfaidheigF1jekijcikickiggkidhhdbgcfkFikikhkigeidieFikggikhkffaffijhidhhakgdkhkijF1kiakF1kfheakgdkif",
    "iggkigicjiejkieedikgdfcggkigieeiejfgkgkigbgikicggkiaideeijkefjeijikhkiggkiaidheigcikaikffikijgkiahi1",
    "hhdikgjfifaakekighie1hiaikggikhkffakicjhiahaikggikhkijF1kfejfeFhidikggiffiggkigicjiekgieeigikggiffig",
    "gkidheigkgfjkeigiegikifiggkidhedeijcfkFikikhkiggkidhh1ehigcikaffkhkiggkidhh1hhigikekfiFkFikcidhh1hit",
    "cikggikhkfkicjicghiediaikggikhkijbjfejfeFhaikggifikiggkigiejkikgkgieeigikggiffiggkigieeigekijcijikgg",
    "ifikiggkideedeijkefkfckikhkiggkidhh1ehijcikaffkhkiggkidhh1hhigikhkikFikfckcidhh1hiaikgjikhfjicjicgie",
    "hdikcikggifikigiejfejkieFhegikggifikiggfghigkfjeijkhigikggifikiggkigieeijcijcikfksikifikiggkidehdeij",
    "cfdckikhkiggkhghh1ehijikifffffkhsFngErD1pAfBoDd1BlEtFqA2AqoEpDqElAEsEeB2BmADlDkqBtC1FnEpDqnEmFsFsAFn",
    "llBbFmDsDiCtDmAB2BmtCgpEplCpAEiBiEoFqFtEqsDcCnFtADnFlEgdkEgmEtEsCtDmADqFtAFrAtEcCqAE1BoFqC1F1DrFtBmF",
    "tAC2ACnFaoCgADcADcCcFfoFtDlAFgmFqBq2bpEoAEmkqnEeCtAE1bAEqgDfFfCrgEcBrACfAAABqAAB1AAClEnFeCtCgAADqDoB",
    "mtAAACbFiAAADsEtBqAB2FsDqpFqEmFsCeDtFlCeDtoEpClEqAAFrAFoCgFmFsFqEnAEcCqFeCtFtEnAEeFtAAEkFnErAABbFkAD",
    "nAAeCtFeAfBoAEpFtAABtFqAApDcCGJ",
};
constexpr std::array<std::string_view, 5> kSolarTermCorrections = {
    "FrcFs22AFsckF2tsDtFqEtF1posFdFgiFseFtmelpsEfhkF2anmelpFlF1ikrotcnEqEq2FfqmcDsrFor22FgFrcgDscFs22FgEe",
    "FtE2sfFs22sCoEsaF2tsD1FpeE2eFsssEciFsFnmelpFcFhkF2tcnEqEpFgkrotcnEqrEtFermcDsrE222FgBmcmr22DaEfnaF22",
    "2sD1FpeForeF2tssEfiFpEoeFssD1iFstEqFppDgFstcnEqEpFg11FscnEqrAoAF2ClAEsDmDtCtBaDlAFbAEpAAAAAD2FgBiBqo",
    "BbnBaBoAAAAAAAEgDqAdBqAFrBaBoACdAAf1AACgAAAeBbCamDgEifAE2AABa1C1BgFdiAAACoCeE1ADiEifDaAEqAAFe1AcFbcA",
    "AAAAF1iFaAAACpACmFmAAAAAAAACrDaAAADG0",
};
// clang-format on

// The pieces joined are the whole strings, of 2,031 and 437 characters: a piece left out or cut
// short fails here rather than shifting every correction after it.
constexpr std::size_t JoinedLength(std::span<const std::string_view> pieces) {
  std::size_t length = 0;
  for (std::string_view piece : pieces) {
    length += piece.size();
  }
  return length;
}
static_assert(JoinedLength(kNewMoonCorrections) == 2031);
static_assert(JoinedLength(kSolarTermCorrections) == 437);

void ReplaceAll(std::string& text, std::string pattern, std::string replacement) {
  if (pattern.empty()) {
    return;
  }
  std::string::size_type position = 0;
  while ((position = text.find(pattern, position)) != std::string::npos) {
    text.replace(position, pattern.size(), replacement);
    position += replacement.size();
  }
}

std::string ExpandCorrectionString(std::string compressed) {
  const std::string z(10, '0');
  const std::string zz = z + z;
  // Applied in this order; replacements hold digits only, so none creates a letter for a later
  // rule.
  const auto kRules = std::to_array<std::pair<const char*, std::string>>({
      {"J", "00"},         {"I", "000"},       {"H", "0000"},      {"G", "00000"},
      {"t", "02"},         {"s", "002"},       {"r", "0002"},      {"q", "00002"},
      {"p", "000002"},     {"o", "0000002"},   {"n", "00000002"},  {"m", "000000002"},
      {"l", "0000000002"}, {"k", "01"},        {"j", "0101"},      {"i", "001"},
      {"h", "001001"},     {"g", "0001"},      {"f", "00001"},     {"e", "000001"},
      {"d", "0000001"},    {"c", "00000001"},  {"b", "000000001"}, {"a", "0000000001"},
      {"A", zz + zz + zz}, {"B", zz + zz + z}, {"C", zz + zz},     {"D", zz + z},
      {"E", zz},           {"F", z},
  });
  static_assert(kRules.size() == 4 + 9 + 11 + 6);  // a rule for each of G..J, l..t, a..k, A..F
  for (const auto& [pattern, replacement] : kRules) {
    ReplaceAll(compressed, pattern, replacement);
  }
  return compressed;
}

}  // namespace engine
