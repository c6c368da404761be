#include "cli/cli_args.h"

#include <algorithm>
#include <cstdio>

namespace tarvo::cli {

Args::Args(std::vector<std::string> argv, std::vector<std::string> flags, std::vector<std::string> valued)
{
    auto contains = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            std::string name = a.substr(2);
            std::string val;
            bool inlineValue = false;
            if (const auto eq = name.find('='); eq != std::string::npos) {
                val = name.substr(eq + 1);
                name = name.substr(0, eq);
                inlineValue = true;
            }
            if (contains(flags, name)) {
                if (inlineValue) {
                    m_error = "option --" + name + " takes no value";
                    return;
                }
                m_options.emplace_back(name, "");
            } else if (contains(valued, name)) {
                if (!inlineValue) {
                    if (i + 1 >= argv.size()) {
                        m_error = "option --" + name + " needs a value";
                        return;
                    }
                    val = argv[++i];
                }
                m_options.emplace_back(name, val);
            } else {
                m_error = "unknown option --" + name;
                return;
            }
        } else if (a == "-o" || a == "-q") {
            const std::string name = a == "-o" ? "output" : "quiet";
            if (a == "-o") {
                if (!contains(valued, "output") || i + 1 >= argv.size()) {
                    m_error = "option -o needs a value";
                    return;
                }
                m_options.emplace_back(name, argv[++i]);
            } else {
                m_options.emplace_back(name, "");
            }
        } else {
            m_positional.push_back(a);
        }
    }
}

bool Args::has(const std::string& name) const
{
    return std::any_of(m_options.begin(), m_options.end(), [&](const auto& o) { return o.first == name; });
}

std::optional<std::string> Args::value(const std::string& name) const
{
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it)
        if (it->first == name)
            return it->second;
    return std::nullopt;
}

std::vector<std::string> Args::values(const std::string& name) const
{
    std::vector<std::string> out;
    for (const auto& [key, val] : m_options)
        if (key == name)
            out.push_back(val);
    return out;
}

int fail(int status, const std::string& what, const std::string& reason)
{
    std::fprintf(stderr, "tarvo: %s: %s\n", what.c_str(), reason.c_str());
    return status;
}

int usageError(const std::string& message, const std::string& usage)
{
    std::fprintf(stderr, "tarvo: %s\nusage: %s\n", message.c_str(), usage.c_str());
    return kExitUsage;
}

} // namespace tarvo::cli
