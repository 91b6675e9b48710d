#include "InventoryContent.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace tabulex::bench {
namespace {

using namespace std::string_view_literals;

constexpr std::array kOrganisations = {
    "исполнительного комитета Заречного районного Совета депутатов трудящихся"sv,
    "завода «Красный металлист»"sv,
    "треста «Уралтяжстрой»"sv,
    "колхоза «Путь Ильича»"sv,
    "колхоза имени С.М. Кирова"sv,
    "районного отдела народного образования"sv,
    "областного управления сельского хозяйства"sv,
    "фабрики «Большевичка»"sv,
    "Ново-Тагильской машинно-тракторной станции"sv,
    "городского комитета по физической культуре и спорту"sv,
    "строительного управления № 3"sv,
    "промысловой артели «Прогресс»"sv,
    "областной конторы «Заготзерно»"sv,
    "районного потребительского союза"sv,
    "Дома культуры железнодорожников"sv,
    "средней школы № 12"sv,
    "городской больницы № 2"sv,
    "леспромхоза «Северный»"sv,
};

// Organisations after "с" (instrumental), for correspondence.
constexpr std::array kCorrespondents = {
    "с трестом «Уралтяжстрой»"sv,
    "с районным отделом народного образования"sv,
    "с областным управлением сельского хозяйства"sv,
    "с заводом «Красный металлист»"sv,
    "с Министерством путей сообщения СССР"sv,
    "с районным комитетом КПСС"sv,
    "с гражданами"sv,
    "с ремонтно-строительной конторой № 5"sv,
};

constexpr std::array kTopics = {
    "о строительстве жилых домов"sv,
    "об отпуске материалов и оборудования"sv,
    "о подготовке к посевной кампании"sv,
    "по вопросам труда и заработной платы"sv,
    "о ходе выполнения производственного плана"sv,
    "о шефской помощи селу"sv,
    "о ремонте школ к новому учебному году"sv,
    "по личному составу"sv,
    "о снабжении топливом"sv,
    "об эвакуации оборудования"sv,
};

constexpr std::array kSurnames = {
    "Иванов"sv,   "Петров"sv,   "Сидоров"sv,  "Кузнецов"sv, "Смирнов"sv, "Попов"sv,
    "Васильев"sv, "Соколов"sv,  "Михайлов"sv, "Новиков"sv,  "Фёдоров"sv, "Морозов"sv,
    "Волков"sv,   "Алексеев"sv, "Лебедев"sv,  "Семёнов"sv,  "Егоров"sv,  "Павлов"sv,
    "Козлов"sv,   "Степанов"sv, "Николаев"sv, "Орлов"sv,    "Андреев"sv, "Никитин"sv,
};

constexpr std::array kInitials = {"А"sv, "Б"sv, "В"sv, "Г"sv, "Д"sv, "Е"sv, "И"sv, "К"sv, "Л"sv,
                                  "М"sv, "Н"sv, "П"sv, "Р"sv, "С"sv, "Т"sv, "Ф"sv, "Я"sv};

constexpr std::array kAwards = {
    "орденом «Знак Почёта»"sv,
    "медалью «За трудовую доблесть»"sv,
    "орденом Трудового Красного Знамени"sv,
    "Почётной грамотой"sv,
};

constexpr std::array kRubrics = {
    "Организационно-распорядительная документация"sv,
    "Планово-отчётная документация"sv,
    "Документы по личному составу"sv,
    "Переписка"sv,
    "Финансовая документация"sv,
};

constexpr std::array kNotes = {"Копия"sv,    "Подлинник"sv, "Машинопись"sv,         "Ветхое"sv,
                               "Рукопись"sv, "Копии"sv,     "Имеются фотографии"sv, "Дубликат"sv};

constexpr std::array kMonths = {"январь"sv, "февраль"sv, "март"sv,     "апрель"sv,  "май"sv,    "июнь"sv,
                                "июль"sv,   "август"sv,  "сентябрь"sv, "октябрь"sv, "ноябрь"sv, "декабрь"sv};

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

void AppendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

// Replaces the first occurrence of `from` by `to`; false when there is none.
bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    std::size_t at = text.find(from);
    if (at == std::string::npos) return false;
    text.replace(at, from.size(), to);
    return true;
}

}  // namespace

InventoryContent::InventoryContent(long long rows, std::uint64_t seed, int faultPerMille)
    : random_(seed), rows_(rows), faultPerMille_(faultPerMille) {}

bool InventoryContent::NextRow(InventoryRow& row) {
    if (row_ >= rows_) return false;
    ++row_;
    ++counts_.TableRows;
    row.Number.clear();
    row.Title.clear();
    row.Dates.clear();
    row.Quantity.clear();
    row.Notes.clear();
    row.ListNumId = 0;
    row.Bold = true;
    row.KeepNext = true;
    row.CantSplit = true;
    if (row_ == 1) {
        row.Kind = InventoryRowKind::Header;
    } else if (row_ == 2 || random_.Below(5000) == 0) {
        // A numbering row under the header; now and then one repeated where a page once broke.
        row.Kind = InventoryRowKind::Numbering;
        ++counts_.NumberingRows;
    } else if (sectionLeft_ == 0) {
        StartSection(row);
    } else if (random_.PerMille(2)) {
        row.Kind = InventoryRowKind::Empty;
        ++counts_.EmptyRows;
    } else {
        --sectionLeft_;
        FillCase(row);
    }
    return true;
}

// A heading row opens every section of a few dozen cases: the year when it changes, otherwise a
// numbered rubric. Cases of the section are dated within its year.
void InventoryContent::StartSection(InventoryRow& row) {
    row.Kind = InventoryRowKind::Heading;
    ++counts_.HeadingRows;
    sectionLeft_ = random_.Between(20, 60);
    int yearHere = kFirstYear + static_cast<int>((kLastYear - kFirstYear) * (row_ - 1) /
                                                 std::max<long long>(rows_ - 1, 1));
    if (yearHere != year_) {
        year_ = yearHere;
        AppendInt(row.Title, year_);
        row.Title += " год";
    } else {
        ++sectionNumber_;
        row.Title += "Раздел ";
        AppendInt(row.Title, sectionNumber_ % 9 + 1);
        row.Title += ". ";
        row.Title += kRubrics[static_cast<std::size_t>(sectionNumber_) % kRubrics.size()];
    }
    row.Bold = !random_.PerMille(30);
    row.KeepNext = !random_.PerMille(30);
    // One section in ten is numbered by a Word list that continues the case numbers.
    listNumId_ = 0;
    if (random_.PerMille(100)) {
        listStarts_.push_back(nextNumber_);
        listNumId_ = static_cast<int>(listStarts_.size());
    }
}

void InventoryContent::FillCase(InventoryRow& row) {
    row.Kind = InventoryRowKind::Data;
    ++counts_.DataRows;
    row.CantSplit = !random_.PerMille(1);
    FillNumber(row);
    FillTitle(row.Title);
    FillDates(row.Dates);
    FillQuantity(row.Quantity);
    if (random_.PerMille(60)) row.Notes = random_.Pick(kNotes);
    if (random_.PerMille(faultPerMille_)) AddFault(row);
}

void InventoryContent::FillNumber(InventoryRow& row) {
    if (listNumId_ > 0) {
        row.ListNumId = listNumId_;
        ++counts_.ListNumberedRows;
        if (counts_.FirstListRow == 0) {
            counts_.FirstListRow = row_;
            AppendInt(counts_.FirstListString, nextNumber_);
            counts_.FirstListString += '.';
        }
        lastNumber_ = nextNumber_++;
        return;
    }
    int draw = random_.Below(1000);
    if (draw < 5 && lastNumber_ > 0) {  // a case added later: 12А after 12 (or 12а, which is no literal)
        AppendInt(row.Number, lastNumber_);
        row.Number += draw < 3 ? "А" : "а";
        return;
    }
    if (draw < 8) ++nextNumber_;                                   // a number left out
    if (draw >= 8 && draw < 10 && lastNumber_ > 0) --nextNumber_;  // a number given twice
    lastNumber_ = nextNumber_++;
    AppendInt(row.Number, lastNumber_);
    counts_.LastCaseNumber = std::max(counts_.LastCaseNumber, lastNumber_);
}

void InventoryContent::AppendYear(std::string& out, int year) {
    AppendInt(out, year);
}

void InventoryContent::AppendOrganisation(std::string& out) {
    out += random_.Pick(kOrganisations);
}

// "Иванова И.П." or "И.П. Иванова" (genitive), or the nominative "Иванов И.П.".
void InventoryContent::AppendPerson(std::string& out, bool genitive) {
    std::string_view surname = random_.Pick(kSurnames);
    bool initialsFirst = random_.PerMille(300);
    auto initials = [&] {
        out += random_.Pick(kInitials);
        out += '.';
        out += random_.Pick(kInitials);
        out += '.';
    };
    if (initialsFirst) {
        initials();
        out += ' ';
    }
    out += surname;
    if (genitive) out += "а";
    if (!initialsFirst) {
        out += ' ';
        initials();
    }
}

void InventoryContent::FillTitle(std::string& out) {
    switch (random_.Below(16)) {
        case 0:
            out += "Протоколы заседаний ";
            AppendOrganisation(out);
            out += " за ";
            AppendYear(out, year_);
            out += " год";
            break;
        case 1:
            out += "Приказы директора по основной деятельности за ";
            AppendYear(out, year_);
            out += " год";
            break;
        case 2:
            out += "Приказы по личному составу ";
            AppendOrganisation(out);
            break;
        case 3:
            out += "Переписка ";
            AppendOrganisation(out);
            out += ' ';
            out += random_.Pick(kCorrespondents);
            out += ' ';
            out += random_.Pick(kTopics);
            break;
        case 4:
            out += "Годовой отчёт ";
            AppendOrganisation(out);
            out += " о работе за ";
            AppendYear(out, year_);
            out += " год";
            break;
        case 5:
            out += "Личное дело ";
            AppendPerson(out, true);
            break;
        case 6:
            out += "Документы о награждении ";
            AppendPerson(out, true);
            out += ' ';
            out += random_.Pick(kAwards);
            break;
        case 7:
            out += "Штатное расписание и сметы расходов ";
            AppendOrganisation(out);
            out += " на ";
            AppendYear(out, year_);
            out += " год";
            break;
        case 8:
            out += "Акты ревизий финансово-хозяйственной деятельности ";
            AppendOrganisation(out);
            break;
        case 9:
            out += "Лицевые счета по заработной плате рабочих и служащих за ";
            AppendYear(out, year_);
            out += " год";
            break;
        case 10:
            out += "Докладная записка главного инженера ";
            AppendPerson(out, true);
            out += ' ';
            out += random_.Pick(kTopics);
            break;
        case 11:
            out += "Книга учёта поступления и выбытия материалов";
            break;
        case 12:
            out += "Постановления и решения ";
            AppendOrganisation(out);
            out += " (копии)";
            break;
        case 13:
            out += "Жалобы и заявления граждан и переписка по ним";
            break;
        case 14:
            out += "Планы и отчёты ";
            AppendOrganisation(out);
            out += " о выполнении плана за ";
            AppendYear(out, year_);
            out += '-';
            AppendYear(out, year_ + 1);
            out += " гг.";
            break;
        default:
            out += "Стенограмма совещания актива ";
            AppendOrganisation(out);
            out += ", выступление ";
            AppendPerson(out, true);
            break;
    }
}

// Covering dates in the forms inventories use: a year, a day, months, ranges of either.
void InventoryContent::FillDates(std::string& out) {
    int month = random_.Between(1, 12);
    int day = random_.Between(1, kDaysInMonth[month - 1]);
    int draw = random_.Below(100);
    if (draw < 35) {
        AppendYear(out, year_);
    } else if (draw < 60) {
        AppendTwoDigits(out, day);
        out += '.';
        AppendTwoDigits(out, month);
        out += '.';
        AppendYear(out, year_);
    } else if (draw < 80) {
        AppendTwoDigits(out, month);
        out += '.';
        AppendYear(out, year_);
        out += '-';
        AppendTwoDigits(out, random_.Between(month, 12));
        out += '.';
        AppendYear(out, year_);
    } else if (draw < 90) {
        AppendTwoDigits(out, day);
        out += '.';
        AppendTwoDigits(out, month);
        out += '.';
        AppendYear(out, year_);
        out += '-';
        AppendTwoDigits(out, random_.Between(1, 28));
        out += '.';
        AppendTwoDigits(out, random_.Between(1, 12));
        out += '.';
        AppendYear(out, year_ + 1);
    } else if (draw < 99) {
        AppendYear(out, year_);
        out += '-';
        AppendYear(out, year_ + random_.Between(1, 3));
    } else {
        // Month names with blanks around the dash: common, but not a form the date rules read.
        out += kMonths[static_cast<std::size_t>(month - 1)];
        out += ' ';
        AppendYear(out, year_);
        out += " - ";
        out += kMonths[static_cast<std::size_t>(random_.Below(12))];
        out += ' ';
        AppendYear(out, year_ + 1);
    }
}

void InventoryContent::FillQuantity(std::string& out) {
    AppendInt(out, random_.Below(4) == 0 ? random_.Between(100, 300) : random_.Between(1, 99));
}

// One typical fault of typing or of dating.
void InventoryContent::AddFault(InventoryRow& row) {
    ++counts_.FaultRows;
    switch (random_.Below(13)) {
        case 0:
            ReplaceFirst(row.Title, " ", "  ");
            break;
        case 1:
            row.Title += '.';
            break;
        case 2:
            if (!ReplaceFirst(row.Title, "«", "\"") || !ReplaceFirst(row.Title, "»", "\"")) row.Title += '.';
            break;
        case 3:
            row.Dates.clear();
            AppendYear(row.Dates, year_);
            row.Dates += "г.";
            break;
        case 4:
            row.Dates.clear();
            row.Dates += "31.02.";
            AppendYear(row.Dates, year_);
            break;
        case 5:
            row.Dates.clear();
            AppendYear(row.Dates, year_);
            row.Dates += "–";  // en dash
            AppendYear(row.Dates, year_ + 1);
            break;
        case 6:
            row.Title += " — черновики";  // em dash
            break;
        case 7:
            if (!row.Number.empty()) row.Number += '.';
            break;
        case 8:
            row.Title.insert(0, " ");
            break;
        case 9:
            row.Quantity.clear();
            break;
        case 10:
            row.Quantity += " стр.";
            break;
        case 11:
            row.Dates.clear();
            AppendYear(row.Dates, year_ + 1);
            row.Dates += '-';
            AppendYear(row.Dates, year_);
            break;
        default:
            ReplaceFirst(row.Title, " ", "\xC2\xA0");  // a no-break space where a blank belongs
            break;
    }
}

}  // namespace tabulex::bench
