echo x
ÿÿÿ	 ,;=
