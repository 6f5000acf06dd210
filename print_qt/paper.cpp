#include "print_qt/paper.h"

#include <algorithm>
#include <array>

namespace quillon::print_qt {

Paper paper_of_country(QLocale::Territory territory) {
  using T = QLocale;
  static constexpr std::array letter_countries{T::UnitedStates,
                                               T::Canada,
                                               T::Mexico,
                                               T::Chile,
                                               T::Colombia,
                                               T::CostaRica,
                                               T::Guatemala,
                                               T::Panama,
                                               T::Nicaragua,
                                               T::Honduras,
                                               T::ElSalvador,
                                               T::Venezuela,
                                               T::PuertoRico,
                                               T::Belize,
                                               T::Philippines,
                                               T::DominicanRepublic,
                                               T::UnitedStatesVirginIslands};
  return std::find(letter_countries.begin(), letter_countries.end(), territory) != letter_countries.end()
             ? Paper::letter
             : Paper::a4;
}

Paper resolved_paper(Paper chosen, const QPageSize& printer_paper, const QLocale& locale) {
  if (chosen != Paper::automatic) return chosen;
  if (printer_paper.id() == QPageSize::A4) return Paper::a4;
  if (printer_paper.id() == QPageSize::Letter) return Paper::letter;
  return paper_of_country(locale.territory());
}

Paper resolved_pdf_paper(Paper chosen, const QLocale& locale) {
  return chosen != Paper::automatic ? chosen : paper_of_country(locale.territory());
}

QPageSize page_size_of(Paper paper) { return QPageSize(paper == Paper::a4 ? QPageSize::A4 : QPageSize::Letter); }

}  // namespace quillon::print_qt
