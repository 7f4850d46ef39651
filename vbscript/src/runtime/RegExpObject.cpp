#include "RegExpObject.h"

#include <new>

#include "MatchObject.h"
#include "ValueCollection.h"
#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

// Where the next search starts: after an empty match, one further on so the loop ends.
size_t nextStart(const std::vector<int>& caps) {
    return caps[1] == caps[0] ? static_cast<size_t>(caps[1]) + 1 : static_cast<size_t>(caps[1]);
}

std::u16string_view group(std::u16string_view text, const std::vector<int>& caps, int g) {
    if (caps[2 * g] < 0) return {};
    return text.substr(caps[2 * g], caps[2 * g + 1] - caps[2 * g]);
}

// A submatch as scripts see it: Empty for a group that took no part.
Value submatch(std::u16string_view text, const std::vector<int>& caps, int g) {
    return caps[2 * g] < 0 ? Value() : Value(std::u16string(group(text, caps, g)));
}

// An argument or a replacer's result as text; an object gives its default value.
std::u16string textOf(const Value& v) {
    return v.isString() ? v.str() : (v.isObject() ? v.resolved() : v).toString();
}

}  // namespace

std::shared_ptr<const Regex> RegExpObject::regex() {
    if (!compiled_) compiled_ = std::make_shared<const Regex>(pattern_, ignoreCase_, multiline_);
    return compiled_;
}

bool RegExpObject::test(std::u16string_view text) {
    std::vector<int> caps;
    return regex()->search(text, 0, caps);
}

Value RegExpObject::execute(std::u16string_view text) {
    const std::shared_ptr<const Regex> compiled = regex();
    const Regex& re = *compiled;
    std::vector<Value> matches;
    std::vector<int> caps;
    size_t pos = 0;
    while (pos <= text.size() && re.search(text, pos, caps)) {
        std::vector<Value> subs;
        subs.reserve(re.groupCount());
        for (int g = 1; g <= re.groupCount(); ++g) subs.push_back(submatch(text, caps, g));
        Ref<Object> match =
            makeRef<MatchObject>(std::u16string(group(text, caps, 0)), caps[0], std::move(subs));
        matches.emplace_back(match.get());
        if (!global_) break;
        pos = nextStart(caps);
    }
    Ref<Object> collection = makeRef<ValueCollection>(std::move(matches), u"IMatchCollection2");
    return Value(collection.get());
}

void RegExpObject::expand(std::u16string& out, std::u16string_view rep, std::u16string_view text,
                          const std::vector<int>& caps, int groups) {
    for (size_t i = 0; i < rep.size(); ++i) {
        char16_t c = rep[i];
        if (c != '$' || i + 1 >= rep.size()) {
            out += c;
            continue;
        }
        char16_t n = rep[i + 1];
        if (n == '$') {
            out += u'$';
        } else if (n == '&') {
            out += group(text, caps, 0);
        } else if (n == '`') {
            out += text.substr(0, caps[0]);
        } else if (n == '\'') {
            out += text.substr(caps[1]);
        } else if (n >= '0' && n <= '9') {
            int g = n - '0';
            size_t used = 1;
            // Two digits when that names a group ($10), else one ($1 followed by a 0).
            if (i + 2 < rep.size() && rep[i + 2] >= '0' && rep[i + 2] <= '9' &&
                g * 10 + (rep[i + 2] - '0') <= groups) {
                g = g * 10 + (rep[i + 2] - '0');
                used = 2;
            }
            if (g < 1 || g > groups) {
                out += c;
                continue;
            }
            out += group(text, caps, g);
            i += used;
            continue;
        } else {
            out += c;
            continue;
        }
        ++i;
    }
}

template <class Expand>
std::u16string RegExpObject::replaceMatches(std::u16string_view text, Expand&& expand) {
    const std::shared_ptr<const Regex> compiled = regex();
    const Regex& re = *compiled;
    const bool global = global_;
    std::u16string out;
    out.reserve(text.size());
    std::vector<int> caps;
    size_t pos = 0, copied = 0;
    while (pos <= text.size() && re.search(text, pos, caps)) {
        out.append(text.substr(copied, caps[0] - copied));
        expand(out, caps, re.groupCount());
        if (out.size() > kMaxTextLength) throw RuntimeFault(kOutOfStringSpace);
        copied = caps[1];
        if (!global) break;
        pos = nextStart(caps);
    }
    out.append(text.substr(copied));
    return out;
}

std::u16string RegExpObject::replace(std::u16string_view text, std::u16string_view replacement) {
    return replaceMatches(text, [&](std::u16string& out, const std::vector<int>& caps, int groups) {
        expand(out, replacement, text, caps, groups);
    });
}

std::u16string RegExpObject::replace(std::u16string_view text, Object& replacer) {
    // The replacer may be script code: the text it sees is a copy of its own.
    const std::u16string source(text);
    return replaceMatches(source, [&](std::u16string& out, const std::vector<int>& caps,
                                      int groups) {
        std::vector<Value> values;
        values.reserve(groups + 3);
        for (int g = 0; g <= groups; ++g) values.push_back(submatch(source, caps, g));
        values.emplace_back(static_cast<int32_t>(caps[0]));
        values.emplace_back(source);
        std::vector<Value*> args;
        args.reserve(values.size());
        for (Value& v : values) args.push_back(&v);
        Value result;
        replacer.invoke(u"", InvokeKind::Call, args, result);
        out += textOf(result.deref());
    });
}

bool RegExpObject::setProperty(std::u16string_view name, const Value& v) {
    if (iequals(name, u"Pattern")) {
        pattern_ = v.isNull() ? std::u16string() : v.toString();
    } else if (iequals(name, u"IgnoreCase")) {
        ignoreCase_ = v.toBool();
    } else if (iequals(name, u"Global")) {
        global_ = v.toBool();
        return true;  // does not change the compiled pattern
    } else if (iequals(name, u"Multiline")) {
        multiline_ = v.toBool();
    } else {
        return false;
    }
    compiled_.reset();
    return true;
}

void RegExpObject::invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                          Value& result) {
    try {
        if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
            if (args.size() != 1) throwError(450);
            if (!setProperty(name, args[0]->deref())) throwError(438);
            return;
        }
        auto text = [&](size_t i) { return textOf(args[i]->deref()); };
        if (iequals(name, u"Pattern")) {
            result = Value(pattern_);
        } else if (iequals(name, u"IgnoreCase")) {
            result = Value(ignoreCase_);
        } else if (iequals(name, u"Global")) {
            result = Value(global_);
        } else if (iequals(name, u"Multiline")) {
            result = Value(multiline_);
        } else if (iequals(name, u"Test")) {
            if (args.size() != 1) throwError(450);
            result = Value(test(text(0)));
        } else if (iequals(name, u"Execute")) {
            if (args.size() != 1) throwError(450);
            result = execute(text(0));
        } else if (iequals(name, u"Replace")) {
            if (args.size() != 2) throwError(450);
            const Value& with = args[1]->deref();
            if (with.isObject() && with.obj()) {
                Ref<Object> replacer(with.obj());
                result = Value(replace(text(0), *replacer));
            } else {
                result = Value(replace(text(0), text(1)));
            }
        } else {
            throwError(438);
        }
    } catch (const RuntimeFault& fault) {
        throwError(fault.number());
    } catch (const std::bad_alloc&) {
        throwError(kOutOfMemory);
    }
}

}  // namespace vbs::runtime
