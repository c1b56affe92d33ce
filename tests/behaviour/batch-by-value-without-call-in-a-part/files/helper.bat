@echo in helper %1
