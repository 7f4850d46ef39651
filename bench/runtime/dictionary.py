# A dict used as the script's Dictionary: adding, finding, reading, changing and removing keys.
d = {}
n = 200000
for i in range(1, n + 1):
    key = "key" + str(i)
    if key in d:
        raise KeyError(key)
    d[key] = i
hits = 0
for i in range(1, n * 2 + 1, 2):
    if ("key" + str(i)) in d:
        hits = hits + 1
total = 0
for i in range(1, n + 1):
    total = total + d["key" + str(i)]
for i in range(1, n + 1, 3):
    d["key" + str(i)] = 0
for i in range(2, n + 1, 2):
    del d["key" + str(i)]
for k in list(d.keys()):
    total = total + d[k]
print(hits, len(d), total)
