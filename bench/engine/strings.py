s = ""
for i in range(300000):
    s = s + chr(65 + i % 26)
count = 0
for i in range(len(s)):
    if s[i:i + 1] == "A":
        count = count + 1
print(len(s), count)
