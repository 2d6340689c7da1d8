#!/usr/bin/env python3
"""Checks that every program the tests, benchmarks, scripts, Makefile and CI call comes from a
package that scripts/install-deps.sh installs (directly or as a dependency) or from an
essential package, so that `make test` passes on a fresh Debian 12 machine and not only on one
where the program happens to be installed already.

Programs are found where they are called: words in a shell command position (shell scripts,
Makefile recipes, .ci/run, CMake COMMANDs), the first element of a Python argument list handed
to subprocess or the end-to-end harness, names given to shutil.which and tool lists, and the
program of a QProcess in C++. Exit code 0 when all is well, 1 with one line per program that is
missing or whose package is not installed by the list. --verbose lists every program found,
its package and the first file that calls it."""

import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INSTALL_DEPS = os.path.join(ROOT, "scripts", "install-deps.sh")
SCANNED = [".ci", "Makefile", "scripts", "bench", "tests"]

# Words in a command position that are not programs to look up.
SHELL_WORDS = set("""
    if then else elif fi for while until do done case esac in function return exit break
    continue local export readonly unset set shift trap wait eval exec source . : true false
    echo printf read cd pwd test [ [[ ]] ]] { } ( ) ! command type kill umask ulimit let
    getopts alias hash times jobs fg bg disown declare typeset
""".split())
# Words that run the command after them.
PREFIX_WORDS = {"$SUDO", "env", "sudo", "exec", "command", "nohup", "time", "nice", "setsid",
                "xargs", "timeout", "stdbuf", "dbus-run-session", "unshare", "--"}
# Options of those words that take a value: env -u NAME, timeout -s SIGNAL -k DURATION.
OPTIONS_WITH_VALUES = {"-u", "--unset", "-s", "--signal", "-k", "--kill-after"}
# Programs the project builds itself.
OWN_PROGRAMS = re.compile(r"^(zandor-.*|.*_tests?|.*_fuzzer|.*-bench)$")
PROGRAM = re.compile(r"^(/[\w./+-]+|[A-Za-z][\w.+-]*)$")
# Where Debian's packages put programs: a program found only elsewhere (/usr/local, a home
# folder) would be missing on a fresh machine.
SEARCH_PATH = "/usr/bin:/bin:/usr/sbin:/sbin:/usr/games:/usr/libexec"


def scanned_files():
    for entry in SCANNED:
        path = os.path.join(ROOT, entry)
        if os.path.isfile(path):
            yield path
        for folder, _, names in os.walk(path):
            for name in names:
                yield os.path.join(folder, name)


def kind_of(path):
    name = os.path.basename(path)
    if name == "Makefile":
        return "make"
    if name == "CMakeLists.txt":
        return "cmake"
    extension = os.path.splitext(name)[1]
    if extension == ".py":
        return "python"
    if extension in (".cpp", ".h"):
        return "cpp"
    if extension == ".sh" or name == "run":
        return "shell"
    return None


def code_of(text):
    """Shell text with its quoted words, comments, parameter expansions and arithmetic
    blanked out; command substitutions (also inside double quotes) and subshells are kept,
    each opened and closed by a `;`, so that their first word is in a command position."""
    out, stack, i = [], ["code"], 0

    def at(token):
        return text.startswith(token, i)

    while i < len(text):
        c, state = text[i], stack[-1]
        step = 1
        if state == "single":
            if c == "'":
                stack.pop()
        elif state in ("brace", "arith"):
            opener, closer = ("{", "}") if state == "brace" else ("((", "))")
            if at(closer):
                stack.pop()
                step = len(closer)
            elif at(opener):
                stack.append(state)
                step = len(opener)
        elif c == "\\":
            step = 2
        elif at("$(("):
            stack.append("arith")
            step = 3
        elif at("${"):
            stack.append("brace")
            step = 2
        elif at("$(") or c == "`" and state != "tick":
            stack.append("tick" if c == "`" else "sub")
            out.append(";")
            step = 1 if c == "`" else 2
        elif c == "`" or c == ")" and state == "sub":
            stack.pop()
            out.append(";")
        elif state == "double":
            if c == '"':
                stack.pop()
        elif c in "'\"":
            # A quoted word stays a word ("$program" in a command position is not a program
            # to look up, and the word after it is not in a command position).
            stack.append("double" if c == '"' else "single")
            out.append("_quoted_")
        elif c == "#" and (i == 0 or text[i - 1] in " \t\n;"):
            step = max(1, text.find("\n", i) - i)
        else:
            out.append(";" if c in "()" else c)
        i += step
    return "".join(out)


def without_heredocs(text):
    lines, kept, ending = text.splitlines(), [], None
    for line in lines:
        if ending is not None:
            if line.strip() == ending:
                ending = None
            continue
        match = re.search(r"<<-?\s*['\"]?(\w+)", line)
        if match:
            ending = match.group(1)
        kept.append(line)
    return "\n".join(kept)


def shell_programs(text):
    code = code_of(without_heredocs(text.replace("\\\n", " ")))
    for part in re.split(r"\|\||&&|[;|&\n]|\b(?:then|do|else|elif)\b", code):
        words = part.split()
        while words and (re.match(r"^\w+=", words[0]) or words[0] in PREFIX_WORDS or
                         words[0].startswith("-") or words[0].isdigit()):
            if words[0] in OPTIONS_WITH_VALUES and len(words) > 1:  # env -u NAME, timeout -s KILL
                words.pop(0)
            words.pop(0)
        if words:
            yield words[0]


def make_programs(text):
    text = text.replace("\\\n", " ")
    # A variable used as a command (DEB_FLAGS = ... dpkg-buildflags --get) is read as its text.
    for name, value in re.findall(r"^(\w+)\s*[?:]?=[ \t]*(.*)$", text, re.M):
        text = text.replace(f"$({name})", value)
    for command in re.findall(r"\$\(shell\s+([^)]*)\)", text):
        yield from shell_programs(command)
    text = text.replace("$(shell ", "$(")
    # Recipe lines only, without the @ or - that Make strips; make's own $(VARIABLE)s are not
    # programs, and $$ is the shell's $.
    recipes = [re.sub(r"^\t[@-]*", "", line) for line in text.splitlines() if line.startswith("\t")]
    recipe = re.sub(r"\$[({]\w+[)}]", "$MAKEVARIABLE", "\n".join(recipes)).replace("$$", "$")
    yield from shell_programs(recipe)


def python_programs(text):
    quoted = r"f?[\"']([^\"'{}]+)[\"']"
    yield from re.findall(r"(?:_run|_spawn|run|Popen|check_output|check_call|call)\(\s*\[\s*"
                          + quoted, text)
    yield from re.findall(r"which\(\s*" + quoted, text)
    # Tool lists: NEEDED_TOOLS = ("a", "b") or `for t in ("a", "b") if not shutil.which(t)`.
    for literal in re.findall(r"TOOLS\w*\s*=\s*[(\[]([^)\]]*)[)\]]", text):
        yield from re.findall(quoted, literal)
    for line in text.splitlines():
        if "which(" in line:
            for literal in re.findall(r"\bin\s*[(\[]([^)\]]*)[)\]]", line):
                yield from re.findall(quoted, literal)


def cpp_programs(text):
    yield from re.findall(r"\.(?:start|startDetached|execute)\(\s*\"([^\"]+)\"", text)


def cmake_programs(text):
    for word in re.findall(r"\bCOMMAND\s+(\S+)", text):
        if not word.startswith("$"):
            yield word


def read(path):
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def calls_in(path, functions):
    """The programs `path` calls, as (program, where) pairs; `functions` are the shell
    functions the scripts define (a script may call one its library defines)."""
    kind = kind_of(path)
    if kind is None or os.path.samefile(path, __file__):
        return
    text = read(path)
    shebang = re.match(r"#!\s*(\S+)(?:\s+(\S+))?", text)
    if shebang:
        interpreter = shebang.group(2) if shebang.group(1).endswith("/env") else shebang.group(1)
        yield interpreter, os.path.relpath(path, ROOT)
    finders = {"shell": lambda: shell_programs(text), "make": lambda: make_programs(text),
               "python": lambda: python_programs(text), "cpp": lambda: cpp_programs(text),
               "cmake": lambda: cmake_programs(text)}
    for program in finders[kind]():
        if (PROGRAM.match(program) and program not in SHELL_WORDS and program not in functions
                and not OWN_PROGRAMS.match(os.path.basename(program))
                and not program.startswith(("./", "/tmp/"))):
            yield program, os.path.relpath(path, ROOT)


def listed_packages():
    with open(INSTALL_DEPS, encoding="utf-8") as file:
        match = re.search(r'^PACKAGES="(.*?)"', file.read(), re.S | re.M)
    return match.group(1).split()


def lines_of(argv):
    return subprocess.run(argv, capture_output=True, text=True, check=False).stdout.splitlines()


def installed_closure(packages):
    """The listed packages, everything they depend on, and what every Debian 12 system has:
    the essential packages and those of priority required (debootstrap's minimal base)."""
    closure = set(packages)
    for line in lines_of(["apt-cache", "depends", "--recurse", "--no-recommends",
                          "--no-suggests", "--no-conflicts", "--no-breaks", "--no-replaces",
                          "--no-enhances", *packages]):
        if line and not line[0].isspace():
            closure.add(line.strip().strip("<>").split(":")[0])
    for line in lines_of(["dpkg-query", "-W", "-f", "${Package} ${Essential} ${Priority}\n"]):
        name, essential, priority = (line.split() + ["", ""])[:3]
        if essential == "yes" or priority == "required":
            closure.add(name)
    return closure


def package_of(program):
    """The package that installs `program`, or None when it is not installed at all."""
    found = program if os.path.isabs(program) else shutil.which(program, path=SEARCH_PATH)
    if not found or not os.path.exists(found):
        return None
    real = os.path.realpath(found)
    candidates = [real, found]
    for path in (real, found):  # merged /usr: dpkg may know /bin/x as such
        if path.startswith("/usr/"):
            candidates.append(path[4:])
        else:
            candidates.append("/usr" + path)
    for path in candidates:
        result = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True,
                                check=False)
        owners = [line for line in result.stdout.splitlines()
                  if not line.startswith("diversion by")]
        if result.returncode == 0 and owners:
            return owners[0].split(":")[0].split(",")[0].strip()
    return "?"


def guessed_package(program):
    """' (likely NAME)' when Debian has a package named like the missing program; a program
    that is not installed cannot be traced to its package without a contents index."""
    name = os.path.basename(program)
    shown = subprocess.run(["apt-cache", "show", "--no-all-versions", name], capture_output=True,
                           text=True, check=False)
    return f" (likely {name})" if shown.returncode == 0 and shown.stdout else ""


def main():
    paths = sorted(scanned_files())
    functions = set()
    for path in paths:
        if kind_of(path) in ("shell", "make"):
            functions |= set(re.findall(r"^\s*(?:function\s+)?([\w-]+)\s*\(\)", read(path), re.M))
    calls = {}
    for path in paths:
        for program, where in calls_in(path, functions):
            calls.setdefault(program, where)
    closure = installed_closure(listed_packages())
    problems = []
    verbose = "--verbose" in sys.argv[1:]
    for program, where in sorted(calls.items()):
        package = package_of(program)
        if verbose:
            print(f"{program:24} {package or '(not installed)':24} {where}")
        if package is None:
            problems.append(f"{program} (called in {where}) is not installed: add its "
                            f"package{guessed_package(program)} to scripts/install-deps.sh")
        elif package == "?":
            problems.append(f"{program} (called in {where}) comes from no Debian package")
        elif package not in closure:
            problems.append(f"{program} (called in {where}) comes from package {package}, "
                            "which scripts/install-deps.sh does not install")
    for problem in problems:
        print(f"check-deps: {problem}", file=sys.stderr)
    if not problems:
        print(f"check-deps: {len(calls)} programs, each from a package install-deps.sh "
              "installs or an essential one")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
