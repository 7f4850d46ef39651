# Regular expressions: findall-style matching, substitution and searching over a large text.
import re
base = ""
for i in range(1, 2001):
    base = base + "user" + str(i) + "@example" + str(i % 7) + ".com, note " + str(i) + "; "
pattern = re.compile(r"(\w+)@(\w+)\.com")
total = 0
for i in range(1, 31):
    ms = list(pattern.finditer(base))
    total = total + len(ms)
    for m in ms:
        total = total + len(m.group(2))
for i in range(1, 31):
    s = pattern.sub(r"\2 at \1", base)
    total = total + len(s)
test = re.compile(r"note 1999;")
for i in range(1, 301):
    if test.search(base):
        total = total + 1
print(total)
