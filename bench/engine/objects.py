class Point:
    def __init__(self):
        self.x = None
        self.y = None

    def init(self, ax, ay):
        self.x = ax
        self.y = ay

    def dot(self, other):
        return self.x * other.x + self.y * other.y


total = 0
for i in range(1, 300001):
    p = Point()
    p.init(i % 100, 2)
    q = Point()
    q.init(3, i % 10)
    total = total + p.dot(q)
print(total)
