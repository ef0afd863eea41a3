#include "cli/cli_options.h"

#include "core/text/gbk_literal.h"

namespace varimonde {

namespace {

// A separator given on the command line: "换行" (in UTF-8) stands for a line break.
std::string separatorArgument(const std::string& utf8) {
    if (utf8 == reinterpret_cast<const char*>(u8"换行")) return "\r\n";
    return gbkFromUtf8(utf8);
}

bool setProfile(const std::string& name, ProfileTexts& profile) {
    if (name == "cookies") {
        profile = {"Cookies", ";", "="};
    } else if (name == "http") {
        profile = {u8"Http协议"_gbk, "\r\n", ":"};
    } else if (name == "query") {
        profile = {u8"Qurey参数"_gbk, "&", "="};
    } else if (name == "custom") {
        profile = {u8"自定义数据"_gbk, ";", "="};
    } else {
        return false;
    }
    return true;
}

}  // namespace

const char* usageText() {
    return "usage: varimonde-cli parse   [options] [FILE|-]\n"
           "       varimonde-cli compare [options] FILE1 FILE2\n"
           "\n"
           "Splits Cookie, HTTP header, query or custom texts into name/value items the way the\n"
           "Varimonde window does, and compares two of them.\n"
           "\n"
           "options:\n"
           "  --profile cookies|http|query|custom   separators of that profile (default cookies;\n"
           "                                        custom starts from \";\" and \"=\")\n"
           "  --row-sep S, --value-sep S            separators of your own; \"换行\" is a line break\n"
           "  --decode                              show percent-decoded values (UTF-8)\n"
           "  --sort                                order the items by name, as the auto-sort switch does\n"
           "  --ignore-case                         compare: names match regardless of ASCII case\n"
           "  --partial                             compare: names match partially (prefix, or anywhere\n"
           "                                        with --ignore-case)\n"
           "  --gbk                                 the input is GBK, not UTF-8\n"
           "  -h, --help                            this text\n"
           "\n"
           "Input is UTF-8 (or GBK with --gbk); LF or CR LF line breaks. Output is UTF-8: one item per\n"
           "line, fields separated by tabs, with tab, CR, LF and backslash inside a field written as\n"
           "\\t, \\r, \\n and \\\\.\n"
           "When a text holds only one kind of separator, the window asks whether to go on; here\n"
           "parsing always goes on, as if the answer were Yes.\n"
           "Exit status: 0 done; 2 bad option or unreadable file.\n";
}

std::optional<CliOptions> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    CliOptions options;
    setProfile("cookies", options.profile);
    if (args.empty()) {
        error = "missing command (parse or compare)";
        return std::nullopt;
    }
    options.command = args[0];
    if (options.command == "-h" || options.command == "--help" || options.command == "help") {
        options.command = "help";
        return options;
    }
    if (options.command != "parse" && options.command != "compare") {
        error = "unknown command: " + options.command;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--profile" || arg == "--row-sep" || arg == "--value-sep";
        if (takesValue && i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return std::nullopt;
        }
        if (arg == "--profile") {
            if (!setProfile(args[++i], options.profile)) {
                error = "unknown profile: " + args[i] + " (cookies, http, query or custom)";
                return std::nullopt;
            }
        } else if (arg == "--row-sep" || arg == "--value-sep") {
            const std::string separator = separatorArgument(args[++i]);
            if (separator.empty()) {
                error = "option " + arg + " needs a non-empty separator";
                return std::nullopt;
            }
            (arg == "--row-sep" ? options.profile.rowSeparator : options.profile.valueSeparator) = separator;
        } else if (arg == "--decode") {
            options.decode = true;
        } else if (arg == "--sort") {
            options.sort = true;
        } else if (arg == "--gbk") {
            options.gbkInput = true;
        } else if (arg == "--ignore-case" && options.command == "compare") {
            options.match.caseSensitive = false;
        } else if (arg == "--partial" && options.command == "compare") {
            options.match.exactMatch = false;
        } else if (arg == "-h" || arg == "--help") {
            options.command = "help";
            return options;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option: " + arg;
            return std::nullopt;
        } else {
            options.files.push_back(arg);
        }
    }
    const std::size_t wanted = options.command == "compare" ? 2 : 1;
    if (options.command == "parse" && options.files.empty()) options.files.push_back("-");
    if (options.files.size() != wanted) {
        error = options.command == "compare" ? "compare needs two files" : "parse takes one file";
        return std::nullopt;
    }
    return options;
}

}  // namespace varimonde
