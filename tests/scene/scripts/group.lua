-- The IGroup library: members by id, name and type; deleted members; bad calls.

Node.Create(CGroup, "grp")
local first = Node.Create(CAttributes, "a")
local b = Node.Create(CAttributes, "b")
local second = Node.Create(CAttributes, "a")
print(IGroup.AddByName("grp", "a") and first, IGroup.AddByID("grp", b), IGroup.AddByID("grp", second),
      IGroup.AddByID("grp", b), IGroup.AddByID("grp", 99), IGroup.AddByName("grp", "nobody"), IGroup.NumNodes("grp"))
print(IGroup.AddByType("grp", CGroup), IGroup.AddByType("grp", 10), IGroup.NumNodes("grp"))

-- The first of two like-named members goes; then the first of its type.
print(IGroup.RemoveByName("grp", "a"), IGroup.RemoveByType("grp", CAttributes), IGroup.NumNodes("grp"))

-- A deleted member is still counted and removable by id only.
Node.Delete(second)
print(IGroup.NumNodes("grp"), IGroup.RemoveByName("grp", "a"), IGroup.RemoveByType("grp", CAttributes),
      IGroup.AddByID("grp", second), IGroup.RemoveByID("grp", second), IGroup.RemoveByID("grp", second),
      IGroup.NumNodes("grp"))

-- Wrong counts print two lines; unknown groups report on standard error.
print(IGroup.NumNodes("grp", 1))
print(IGroup.AddByName("grp"))
print(IGroup.AddByName("nobody", "a"), IGroup.NumNodes("b"))
