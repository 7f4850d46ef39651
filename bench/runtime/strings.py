# Text built-ins on large strings: replace, split, join, find, upper, slicing, reversal.
base = ""
for i in range(1, 2001):
    base = base + "alpha beta gamma delta " + str(i) + ";"
total = 0
for i in range(1, 201):
    s = base.replace("beta", "BETA")
    total = total + len(s)
    parts = base.split(";")
    joined = "|".join(parts)
    total = total + (len(parts) - 1) + len(joined)
    s = base.upper()
    total = total + s.find("DELTA 1999") + 1
    s = base[::-1]
    total = total + len(s)
count = 0
for i in range(1, 21):
    pos = base.find("gamma")
    while pos >= 0:
        count = count + 1
        pos = base.find("gamma", pos + 1)
for i in range(1, 200001):
    start = i % 5000
    s = base[start:start + 10]
    total = total + len(s.strip(" "))
print(total, count)
