#include "SyntheticDocx.h"

#include "ooxml/MinimalPackage.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string_view>

namespace tabulex::bench {
namespace {

constexpr std::array<std::string_view, 12> kTitles = {
    "Приказы директора по основной деятельности",
    "Протоколы заседаний профсоюзного комитета и документы к ним",
    "Переписка с министерством по вопросам планирования и финансирования",
    "Годовой отчёт о производственной деятельности предприятия",
    "Штатное расписание и сметы административно-управленческих расходов",
    "Документы (справки, докладные записки, акты) о проверке работы цехов",
    "Личные карточки уволенных работников (ф. Т-2), буквы А–Я",
    "Лицевые счета по начислению заработной платы рабочим и служащим",
    "Акты приёма-передачи документов на государственное хранение",
    "Планы мероприятий по охране труда и технике безопасности",
    "Книга учёта движения трудовых книжек и вкладышей в них",
    "Отчёты о выполнении плана по труду (ф. 1-т) за квартал"};
constexpr std::array<std::string_view, 4> kNotes = {"", "Подлинник", "Копия", "Ветхое"};

class Lcg {
  public:
    std::uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u; }
    int Below(int n) { return static_cast<int>((Next() >> 8) % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t state_ = 20080305u;
};

constexpr std::array<int, 5> kWidths = {851, 4820, 1843, 993, 1134};

void AppendCell(std::string& xml, int column, std::string_view text, std::string_view rsid) {
    xml += "<w:tc><w:tcPr><w:tcW w:w=\"";
    xml += std::to_string(kWidths[column]);
    xml += "\" w:type=\"dxa\"/></w:tcPr><w:p w:rsidR=\"";
    xml += rsid;
    xml += "\" w:rsidRDefault=\"";
    xml += rsid;
    xml += "\"><w:pPr><w:jc w:val=\"";
    xml += column == 1 ? "both" : "center";
    xml += "\"/><w:rPr><w:sz w:val=\"24\"/></w:rPr></w:pPr>";
    if (!text.empty()) {
        xml +=
            "<w:r><w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\"/><w:sz "
            "w:val=\"24\"/>"
            "</w:rPr><w:t>";
        xml += text;
        xml += "</w:t></w:r>";
    }
    xml += "</w:p></w:tc>";
}

void AppendRow(std::string& xml, const std::array<std::string, 5>& cells, std::string_view rsid) {
    xml += "<w:tr w:rsidR=\"";
    xml += rsid;
    xml += "\" w:rsidTr=\"";
    xml += rsid;
    xml += "\"><w:trPr><w:trHeight w:val=\"284\"/></w:trPr>";
    for (int c = 0; c < 5; ++c) AppendCell(xml, c, cells[c], rsid);
    xml += "</w:tr>";
}

std::string Date(int day, int month, int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
    return text;
}

}  // namespace

std::string SyntheticInventoryXml(int rows) {
    Lcg random;
    std::string body;
    body.reserve(static_cast<std::size_t>(rows) * 1400 + 4096);
    body +=
        "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t>ОПИСЬ № 1 дел "
        "постоянного "
        "хранения за 1945–1990 годы</w:t></w:r></w:p>";
    body += "<w:tbl><w:tblPr><w:tblW w:w=\"9641\" w:type=\"dxa\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        body += std::string("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    body += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblLook w:val=\"04A0\"/></w:tblPr><w:tblGrid>";
    for (int width : kWidths) body += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
    body += "</w:tblGrid>";
    AppendRow(body, {"№ п/п", "Заголовок дела", "Крайние даты", "Кол-во листов", "Примечание"}, "00A1B2C3");
    AppendRow(body, {"1", "2", "3", "4", "5"}, "00A1B2C3");
    char rsid[9];
    for (int i = 1; i <= rows; ++i) {
        const int year = 1945 + (i * 45) / (rows + 1);
        std::snprintf(rsid, sizeof rsid, "00%06X", (i * 7919) & 0xFFFFFF);
        std::string title(kTitles[random.Below(static_cast<int>(kTitles.size()))]);
        title += " за " + std::to_string(year) + " год";
        std::string dates = Date(1 + random.Below(28), 1 + random.Below(6), year) + "-" +
                            Date(1 + random.Below(28), 7 + random.Below(6), year);
        AppendRow(body,
                  {std::to_string(i), title, dates, std::to_string(5 + random.Below(245)),
                   std::string(kNotes[random.Below(static_cast<int>(kNotes.size()))])},
                  rsid);
    }
    body += "</w:tbl><w:p/>";
    return ooxml::WrapBody(body);
}

std::string SyntheticInventoryDocx(int rows) {
    return ooxml::BuildDocxBytes({SyntheticInventoryXml(rows), ooxml::DefaultStylesXml(), {}});
}

std::size_t WriteSyntheticInventory(const std::string& path, int rows) {
    std::string xml = SyntheticInventoryXml(rows);
    const std::size_t size = xml.size();
    std::string bytes = ooxml::BuildDocxBytes({std::move(xml), ooxml::DefaultStylesXml(), {}});
    std::ofstream(path, std::ios::binary) << bytes;
    return size;
}

}  // namespace tabulex::bench
