total = 0
for i in range(1, 5000001):
    total = total + (i % 7) * 3 - 2
print(total)
