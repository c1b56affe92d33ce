@echo off
for /d %%d in (*) do echo folder [%%d]
for /d %%d in (b*) do echo b folder [%%d]
for /d %%d in (beta\*) do echo nested [%%d]
