#include "cli/RussianCli.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace tabulex::cli {
namespace {

constexpr const char* kOptionsGroup = "Параметры";
constexpr const char* kCommandsGroup = "Команды";

// The part of `message` after `prefix` and before `suffix`, or nothing when it has not that shape.
bool Between(std::string_view message, std::string_view prefix, std::string_view suffix,
             std::string& middle) {
    if (!message.starts_with(prefix) || !message.ends_with(suffix) ||
        message.size() < prefix.size() + suffix.size())
        return false;
    middle = std::string(message.substr(prefix.size(), message.size() - prefix.size() - suffix.size()));
    return true;
}

std::string AfterColon(std::string_view message) {
    const std::size_t colon = message.find(": ");
    return colon == std::string_view::npos ? std::string(message) : std::string(message.substr(colon + 2));
}

std::string BeforeColon(std::string_view message) {
    const std::size_t colon = message.find(':');
    return colon == std::string_view::npos ? std::string(message) : std::string(message.substr(0, colon));
}

// The argument library's English messages, by the kind of error; the names of options and the
// values the user typed are kept. (An extra argument's error carries the command's name as its
// own, so kinds are told by type.)
std::string TranslateMessage(const CLI::Error& error) {
    const std::string_view message = error.what();
    std::string part;
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) return "Лишние аргументы: " + AfterColon(message);
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        if (Between(message, "", " is required", part)) {
            if (part == "описи") return "Не указаны файлы или папки описей";
            if (part == "опись") return "Не указан файл описи";
            return "Не указан обязательный параметр " + part;
        }
        if (message.find("subcommand") != std::string_view::npos) return "Не указана команда";
        return "Не указаны обязательные параметры";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error))
        return "Неверное число значений у параметра " + BeforeColon(message);
    if (dynamic_cast<const CLI::ConversionError*>(&error)) {
        if (!Between(message, "Could not convert: ", "", part)) return "Недопустимое значение параметра";
        const std::size_t equals = part.find(" = ");
        if (equals == std::string::npos) return "Недопустимое значение параметра " + part;
        return "Недопустимое значение параметра " + part.substr(0, equals) + ": " + part.substr(equals + 3);
    }
    // Our own validators already give Russian texts after the option's name.
    if (dynamic_cast<const CLI::ValidationError*>(&error)) return std::string(message);
    if (dynamic_cast<const CLI::RequiresError*>(&error) || dynamic_cast<const CLI::ExcludesError*>(&error))
        return "Несовместимые параметры";
    return "Неверные аргументы командной строки";
}

// Characters of a UTF-8 text, as a terminal shows them (one column each).
std::size_t Columns(std::string_view utf8) {
    std::size_t columns = 0;
    for (char c : utf8) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return columns;
}

// A two-column help line: the name, then the description from column `width` (on a line of its
// own when the name reaches that column), aligned by characters rather than bytes.
std::string HelpLine(const std::string& name, const std::string& description, std::size_t width) {
    std::string out = "  " + name;
    const std::size_t shown = Columns(out);
    if (!description.empty()) {
        out += shown >= width ? "\n" + std::string(width, ' ') : std::string(width - shown, ' ');
        for (char c : description) {
            out += c;
            if (c == '\n') out.append(width, ' ');
        }
    }
    return out + "\n";
}

class RussianFormatter : public CLI::Formatter {
  public:
    // What an option needs or excludes goes on a line of its own under the description, so that
    // the option's name stays short enough to have its description beside it.
    std::string make_option(const CLI::Option* option, bool isPositional) const override {
        std::string opts = make_option_opts(option);
        std::string description = make_option_desc(option);
        std::size_t relations = std::string::npos;
        for (const std::string& label : {get_label("Needs"), get_label("Excludes")})
            relations = std::min(relations, opts.find(" " + label + ":"));
        if (relations != std::string::npos) {
            description += (description.empty() ? "" : "\n") + opts.substr(relations + 1);
            opts.erase(relations);
        }
        return HelpLine(make_option_name(option, isPositional) + opts, description, get_column_width());
    }

    std::string make_subcommand(const CLI::App* sub) const override {
        return HelpLine(sub->get_display_name(true), sub->get_description(), get_column_width());
    }

    RussianFormatter() {
        label("Usage", "Использование");
        label("OPTIONS", "ПАРАМЕТРЫ");
        label("SUBCOMMAND", "КОМАНДА");
        label("SUBCOMMANDS", "КОМАНДЫ");
        label("Positionals", "Аргументы");
        label("REQUIRED", "(обязательно)");
        label("TEXT", "ТЕКСТ");
        label("INT", "ЧИСЛО");
        label("UINT", "ЧИСЛО");
        label("FLOAT", "ЧИСЛО");
        label("Env", "Переменная окружения");
        label("Needs", "Требует");
        label("Excludes", "Исключает");
    }
};

}  // namespace

std::string RussianFailure(const CLI::App& app, const CLI::Error& error) {
    std::string text = "Ошибка: " + TranslateMessage(error) + "\n";
    // The help of the subcommand being parsed, when the error came inside one.
    std::string command = "tabulex";
    for (const CLI::App* sub = &app; !sub->get_subcommands().empty();) {
        sub = sub->get_subcommands().back();
        command += " " + sub->get_name();
    }
    return text + "Справка: " + command + " --help\n";
}

void MakeRussian(CLI::App& app) {
    app.formatter(std::make_shared<RussianFormatter>());
    app.option_defaults()->group(kOptionsGroup);
    app.set_help_flag("-h,--help", "Показать эту справку и выйти");
    app.failure_message(
        [](const CLI::App* failed, const CLI::Error& error) { return RussianFailure(*failed, error); });
}

void RussianGroups(CLI::App& app) {
    // A subcommand takes its help flag before it takes the main application's option defaults.
    for (CLI::Option* option : app.get_options())
        if (option->get_group() == "Options") option->group(kOptionsGroup);
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        if (sub->get_group() == "Subcommands") sub->group(kCommandsGroup);
        RussianGroups(*sub);
    }
}

CLI::Validator OneOf(std::vector<std::string> values) {
    std::string expected;
    for (std::size_t k = 0; k < values.size(); ++k)
        expected += (k == 0 ? "" : k + 1 == values.size() ? " или " : ", ") + values[k];
    // The choices are shown as the option's value name (OneOfName); the validator adds none.
    return CLI::Validator(
        [values, expected](std::string& value) {
            for (const std::string& allowed : values)
                if (value == allowed) return std::string();
            return "ожидается " + expected + ", а не " + value;
        },
        std::string());
}

CLI::Validator NonNegativeCount() {
    // What is no number at all the conversion refuses, with its own message.
    return CLI::Validator(
        [](std::string& value) {
            if (!value.starts_with('-')) return std::string();
            return "ожидается целое число от 0, а не " + value;
        },
        std::string());
}

std::string OneOfName(const std::vector<std::string>& values) {
    std::string name = "{";
    for (std::size_t k = 0; k < values.size(); ++k) name += (k ? "," : "") + values[k];
    return name + "}";
}

CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::string& value,
                       const std::string& description, const std::vector<std::string>& choices) {
    return app.add_option(name, value, description)
        ->default_val(choices.front())
        ->check(OneOf(choices))
        ->type_name(OneOfName(choices));
}

CLI::Option* AddRulesChoice(CLI::App& app, std::string& value) {
    return AddChoice(app, "--rules", value,
                     "Правила: original (исходные) или modern (современные: диапазоны дат с пробелами, "
                     "месяцы словами, литеры строчными буквами, номера с точкой)",
                     {"original", "modern"});
}

rules::RuleSet RuleSetOf(std::string_view choice) {
    return choice == "modern" ? rules::RuleSet::Modern : rules::RuleSet::Original;
}

void AddTableOptions(CLI::App& command, check::CheckOptions& options, std::string& columns) {
    command.add_flag("--spaced-initials", options.SpacedInitials, "Инициалы через пробел: А. Б. Иванов");
    command.add_flag("--dates-two-columns", options.TwoDateColumns, "Даты в двух столбцах");
    command.add_option("--columns", columns, "Столбцы: auto, standard или skip:2,3")->default_val("auto");
}

void ParseColumns(const std::string& value, check::CheckOptions& options) {
    if (value == "auto") {
        options.Columns = check::ColumnMode::Auto;
    } else if (value == "standard") {
        options.Columns = check::ColumnMode::Standard;
    } else if (value.starts_with("skip:") && value.size() > 5) {
        options.Columns = check::ColumnMode::Skip;
        options.SkipColumnsText = value.substr(5);
    } else {
        throw CLI::ValidationError("--columns", "ожидается auto, standard или skip:2,3");
    }
}

}  // namespace tabulex::cli
